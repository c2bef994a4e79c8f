#pragma once

#include <QtGlobal>
#include <initializer_list>
#include <string>
#include <vector>

// The settings a view is created with. They mirror the host flags of the engine the program was
// first written for; only DisableTextSelect, DontUseScrollBars and the Ctrl-key filter change what
// the page does here, the rest are kept as data.

// The 29 user-interface options, in their fixed order.
enum class TUserInterfaceOption {
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
class TUserInterfaceOptions {
  public:
    constexpr TUserInterfaceOptions() = default;
    constexpr TUserInterfaceOptions(std::initializer_list<TUserInterfaceOption> options) {
        for (const auto o : options)
            members_ |= Bit(o);
    }
    constexpr bool Contains(TUserInterfaceOption o) const { return (members_ & Bit(o)) != 0; }
    constexpr void Include(TUserInterfaceOption o) { members_ |= Bit(o); }
    constexpr void Exclude(TUserInterfaceOption o) { members_ &= ~Bit(o); }
    constexpr bool operator==(const TUserInterfaceOptions& other) const {
        return members_ == other.members_;
    }
    constexpr bool operator!=(const TUserInterfaceOptions& other) const {
        return !(*this == other);
    }

  private:
    static constexpr quint32 Bit(TUserInterfaceOption o) { return 1u << static_cast<int>(o); }
    quint32 members_ = 0;  // bit i stands for option i
};

// The host flag word of a set: option i is the bit 2^i for i 0..14 and 2^(i+1) for i 15..28,
// so the bit 0x8000 belongs to no option.
quint32 HostUIFlagsOf(TUserInterfaceOptions options);

// What a view created without settings has: [EnablesFormsAutoComplete, EnableThemes] (0x44000).
constexpr TUserInterfaceOptions kDefaultUserInterfaceOptions{
    TUserInterfaceOption::EnablesFormsAutoComplete, TUserInterfaceOption::EnableThemes};

// Images, videos and background sounds are fetched; scripts are not switched off.
constexpr quint32 kDefaultDownloadOptions = 0x10 | 0x20 | 0x40;

enum class TScriptErrorAction { eaContinue, eaCancel, eaAskUser };

enum class TPrintOrientation { poPortrait, poLandScape };

struct TPrintMargins {
    double Left = 0;
    double Right = 0;
    double Top = 0;
    double Bottom = 0;
};

// Page-setup values for printing. The program never prints; they are kept as data.
// Texts are 8-bit Windows-1252 like every other text of the program.
struct TPrintOptions {
    bool Enabled = false;
    TPrintMargins Margins;
    std::string Header;
    std::string Footer;
    std::vector<std::string> HTMLHeader{"<HTML></HTML>"};
    TPrintOrientation Orientation = TPrintOrientation::poPortrait;
};
