#pragma once

#include <QtGlobal>
#include <initializer_list>
#include <string>
#include <vector>

// The settings a view is created with. They mirror the host flags of the engine the program was
// first written for; only DisableTextSelect, DontUseScrollBars, the Ctrl-key filter and the print
// margins and orientation change what the view does here, the rest are kept as data.

// The 29 user-interface options, in their fixed order.
enum class UserInterfaceOption {
    DisableTextSelect,
    DisableHelpMenu,
    DontUse3DBorders,
    DontUseScrollBars,
    PostponeScriptUntilActive,
    ForceOpenNewWindow,
    Reserved_OFFSCREEN,
    ForceFlatScrollBars,
    InsertDivTagOnEditMode,
    ActivateUIOnlyOnDocClick,
    ConsultBeforeRetrievingBehavior,
    CheckFontSupportsCodePage,
    DisableSubmitUrlInUTF8,
    EnableSubmitUrlInUTF8,
    EnablesFormsAutoComplete,
    ForceSameWindowNavigation,
    EmableImeLocalLanguages,
    EnableThemes,
    DisableThemes,
    DisablePicsRatings,
    DisableFrameSetBorder,
    DisablesAutoNameSpaceCorrection,
    DisableLocalFileAccess,
    DisableUntrustedProtocol,
    CheckNavigationDelegatedToHost,
    EnableRedirectNotification,
    EnableDomWindlessControls,
    EnableWindowedControls,
    ForceUserActivationOnActiveXJava,
};
constexpr int kUserInterfaceOptionCount = 29;

// A set of user-interface options.
class UserInterfaceOptions {
  public:
    constexpr UserInterfaceOptions() = default;
    constexpr UserInterfaceOptions(std::initializer_list<UserInterfaceOption> options) {
        for (const auto o : options)
            members_ |= bit(o);
    }
    constexpr bool contains(UserInterfaceOption o) const { return (members_ & bit(o)) != 0; }
    constexpr void include(UserInterfaceOption o) { members_ |= bit(o); }
    constexpr void exclude(UserInterfaceOption o) { members_ &= ~bit(o); }
    constexpr bool operator==(const UserInterfaceOptions& other) const {
        return members_ == other.members_;
    }
    constexpr bool operator!=(const UserInterfaceOptions& other) const { return !(*this == other); }

  private:
    static constexpr quint32 bit(UserInterfaceOption o) { return 1u << static_cast<int>(o); }
    quint32 members_ = 0;  // bit i stands for option i
};

// The host flag word of a set: option i is the bit 2^i for i 0..14 and 2^(i+1) for i 15..28,
// so the bit 0x8000 belongs to no option.
quint32 hostUiFlagsOf(UserInterfaceOptions options);

// What a view created without settings has: [EnablesFormsAutoComplete, EnableThemes] (0x44000).
constexpr UserInterfaceOptions kDefaultUserInterfaceOptions{
    UserInterfaceOption::EnablesFormsAutoComplete, UserInterfaceOption::EnableThemes};

// Images, videos and background sounds are fetched; scripts are not switched off.
constexpr quint32 kDefaultDownloadOptions = 0x10 | 0x20 | 0x40;

enum class ScriptErrorAction { Continue, Cancel, AskUser };

enum class PrintOrientation { Portrait, Landscape };

struct PrintMargins {
    double Left = 0;
    double Right = 0;
    double Top = 0;
    double Bottom = 0;
};

// Page-setup values for printing. Printing and PDF use the margins (millimetres) and the
// orientation; Enabled, the header and footer (page-setup codes) and the HTML header are kept as
// data. Texts are 8-bit Windows-1252 like every other text of the program.
struct PrintOptions {
    bool Enabled = false;
    PrintMargins Margins;
    std::string Header;
    std::string Footer;
    std::vector<std::string> HTMLHeader{"<HTML></HTML>"};
    PrintOrientation Orientation = PrintOrientation::Portrait;
};
