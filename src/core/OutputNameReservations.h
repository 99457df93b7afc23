#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tavoclip {

// The output names one batch has handed out, so that no output ever lands on
// one of the batch's sources or on another output of the same batch.
//
// A path is taken when it is
//   - a source of this batch (every path that has been in the batch's queue),
//     compared by file identity (device and inode) when the file exists and
//     by its absolute, normalised spelling otherwise; or
//   - an output reserved earlier in this batch (written or being written),
//     compared by its spelling with symbolic links in the existing part of
//     the path resolved, so another spelling of the same folder still meets
//     it, and without regard to letter case in a folder that compares names
//     that way (FolderIgnoresCase); or
//   - any name already in the folder (a file, a folder, a link, even a
//     dangling one); when the batch was told to replace existing files,
//     only a folder.
// The converter decides the name again as it puts the file into place, so
// a file that appears meanwhile is not replaced either; these are the names
// it uses when nothing else writes into the folder.
//
// Use: AddSource for every path that enters the queue during the batch, then
// Reserve once for each file when its conversion starts (in any order, one
// slot or several); a fresh object for the next batch. Plain data, no
// threads: the caller serialises calls.
class OutputNameReservations {
public:
    // replaceExisting: a name already in the folder is free (tavoclip-batch
    // --overwrite); sources and the batch's own outputs stay taken.
    explicit OutputNameReservations(bool replaceExisting = false) : replaceExisting_(replaceExisting) {}

    void AddSource(const std::string& path);

    // The first free name among wanted, "NAME (2).EXT", "NAME (3).EXT"... in
    // wanted's folder (EXT from the last dot of the file name on), now
    // reserved for this batch. The path is returned spelled like wanted.
    std::string Reserve(const std::string& wanted);

    bool IsTaken(const std::string& path) const;

private:
    using FileIdentity = std::pair<std::uintmax_t, std::uintmax_t>;

    std::string ResolvedSpelling(const std::string& path) const;
    // The resolved spelling, case-folded where the folder ignores case: the
    // key under which outputs are compared.
    std::string OutputKey(const std::string& path) const;

    bool replaceExisting_ = false;

    std::set<std::string> sourceSpellings_;
    mutable std::set<FileIdentity> sourceIdentities_;
    mutable std::vector<std::string> sourcesWithoutIdentity_;
    std::set<std::string> reservedOutputs_;
    // Per wanted name (resolved): the number its last reservation reached,
    // 1 for the plain name.
    std::map<std::string, int> lastNumber_;
    // Folder spelling -> the same folder with symbolic links resolved.
    mutable std::map<std::string, std::string> resolvedFolders_;
    // Resolved folder -> whether it compares names without regard to case.
    mutable std::map<std::string, bool> foldingFolders_;
};

// wanted with " (n)" put before the extension of its file name:
// "/o/x.mp4", 2 -> "/o/x (2).mp4"; "/o/.mp4", 3 -> "/o/ (3).mp4".
std::string NumberedName(const std::string& wanted, int number);

// The name to try after path was found taken: "x.mp4" -> "x (2).mp4",
// "x (2).mp4" -> "x (3).mp4", so a numbered name goes on counting rather
// than growing a second number.
std::string NextNumberedName(const std::string& path);

}  // namespace tavoclip
