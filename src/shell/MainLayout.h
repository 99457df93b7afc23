#pragma once

#include <array>
#include <string_view>

namespace tavoclip::main_layout {

// The main window's design, in twips (15 to a pixel at 96 dots per inch).
// The skin artwork and the controls are both placed from this one table, so
// the drawn buttons and the hot spots over them cannot drift apart.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int kClientWidth = 10500;
inline constexpr int kClientHeight = 7485;
// The skin picture is one pixel taller than the client area.
inline constexpr int kSkinWidthPixels = 700;
inline constexpr int kSkinHeightPixels = 500;

inline constexpr std::array<TwipsRect, 3> kMenuWords{{{270, 470, 600, 225}, {900, 470, 885, 225}, {1830, 470, 765, 225}}};
inline constexpr std::array<std::string_view, 3> kMenuWordTexts{"File", "Options", "About"};

// The toolbar buttons by their imgToolbar index; index 5 is unused.
enum class Toolbar : int { AddFiles = 0,
                           Remove = 1,
                           Options = 2,
                           Help = 3,
                           Exit = 4,
                           AddFolder = 6 };
constexpr std::size_t Index(Toolbar button) { return static_cast<std::size_t>(button); }

// Indexed like imgToolbar.
inline constexpr std::array<TwipsRect, 7> kToolbar{{
    {240, 820, 1290, 795},
    {2845, 825, 1290, 795},
    {4150, 825, 1290, 795},
    {5455, 825, 1290, 795},
    {6760, 825, 1290, 795},
    {0, 0, 0, 0},
    {1540, 830, 1290, 795},
}};
// The captions drawn under the toolbar's pictures, indexed like kToolbar.
inline constexpr std::array<std::string_view, 7> kToolbarCaptions{"Add Files", "Remove", "Options", "Help",
                                                                  "Exit", "", "Add Folder"};
// Left to right on the skin.
inline constexpr std::array<int, 6> kToolbarOrder{0, 6, 1, 2, 3, 4};
static_assert(kToolbarOrder[1] == static_cast<int>(Toolbar::AddFolder));

inline constexpr TwipsRect kHelp{9520, 120, 225, 225};
inline constexpr TwipsRect kMin{9775, 135, 210, 210};
inline constexpr TwipsRect kExit{10075, 150, 225, 225};
inline constexpr TwipsRect kList{255, 2400, 6825, 4110};
// A longer language's prompt widens both about their centre (frmMain).
inline constexpr TwipsRect kEmptyPrompt{2460, 3960, 2445, 315};
inline constexpr TwipsRect kEmptyPromptLabel{180, 60, 2085, 210};
inline constexpr TwipsRect kFormatList{7320, 2370, 2835, 330};
inline constexpr TwipsRect kVideoBitrateList{7320, 3000, 2835, 330};
inline constexpr TwipsRect kScreenSizeList{7320, 3660, 2835, 330};
inline constexpr TwipsRect kAudioBitrateList{7320, 4290, 2835, 330};
inline constexpr TwipsRect kDropDownOF{9850, 2400, 285, 285};
inline constexpr TwipsRect kDropDownBR{9850, 3030, 285, 285};
inline constexpr TwipsRect kDropDownR{9850, 3690, 285, 285};
inline constexpr TwipsRect kDropDownChannel{9850, 4320, 285, 285};
inline constexpr TwipsRect kOutputFolder{7320, 4950, 2145, 345};
inline constexpr TwipsRect kBrowse{9525, 4960, 630, 330};
inline constexpr TwipsRect kConvert{7330, 5565, 2805, 1365};
inline constexpr TwipsRect kProgressBar{1695, 6710, 5415, 195};
inline constexpr TwipsRect kProgressText{3210, 6710, 2355, 195};
inline constexpr TwipsRect kProductName{270, 7170, 3090, 195};
inline constexpr TwipsRect kFeedback{9420, 7155, 690, 195};
inline constexpr TwipsRect kVersion{2550, 150, 1200, 210};
// Buttons that are reached only through the toolbar, the menus and Convert;
// they lie outside the client area.
inline constexpr TwipsRect kOffscreenButton{-2000, -2000, 300, 300};

// Picture sizes in twips (hover, pressed and arrow pictures).
inline constexpr TwipsRect kHelpLight{0, 0, 180, 255};
inline constexpr TwipsRect kMinLight{0, 0, 210, 210};
inline constexpr TwipsRect kExitLight{0, 0, 210, 195};
inline constexpr TwipsRect kBrowsePicture{0, 0, 630, 330};
inline constexpr TwipsRect kConvertData{0, 0, 2775, 1320};
inline constexpr TwipsRect kArrowPicture{0, 0, 270, 270};

}  // namespace tavoclip::main_layout
