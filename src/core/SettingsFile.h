#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "OutputFormat.h"

namespace tavoclip {

// Reads the values of setup.ini and options.ini one after another. Spaces
// before a value are skipped; a value that begins with a double quote ends at
// the closing quote and may hold commas (whatever follows on the line up to a
// comma or the line end is passed over); any other value ends at the next
// comma or the line end. Lines end with CR LF, LF or CR.
//
// Inside a quoted value a doubled quote stands for one quote character. Only
// folder paths that contain a quote are written that way, so every file
// without one reads and writes exactly as before.
class SettingsFieldReader {
public:
    explicit SettingsFieldReader(std::string_view content) : content_(content) {}

    // The next value, or nullopt once the file has ended.
    std::optional<std::string> Next();

private:
    std::string ReadQuoted();
    std::string ReadBare();
    void SkipToValueEnd();
    bool AtLineEnd() const;
    void ConsumeLineEnd();

    std::string_view content_;
    std::size_t pos_ = 0;
};

// setup.ini as read: each field is empty when its value was missing (the file
// ended early) or could not be read as a whole number. Range checks against
// the lists are the window's business, since only it knows the lists.
struct SavedMainSettings {
    std::optional<int> videoBitrateIndex;
    std::optional<int> screenSizeIndex;
    std::optional<int> audioBitrateIndex;
    std::optional<std::string> outputFolder;
    std::optional<int> outputFormatIndex;
};

SavedMainSettings ReadSetupIni(std::string_view content);
// Five quoted lines, each ended by CR LF.
std::string WriteSetupIni(const MainSettings& settings);

// options.ini read over the values already held: a missing value, or one
// outside its field's range, leaves that field as it was.
ConversionOptions ReadOptionsIni(std::string_view content, ConversionOptions current);
// Four bare integers, each line ended by CR LF.
std::string WriteOptionsIni(const ConversionOptions& options);

// A list index as setup.ini stores it: the whole value must be a decimal
// number; a fraction rounds to the nearest whole number, halves to even.
std::optional<int> ReadIndexValue(std::string_view value);

}  // namespace tavoclip
