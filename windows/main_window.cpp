#include "windows/main_window.h"


#include "resources/resource.h"
#include "scoring/bad_qso_report.h"
#include "windows/placement.h"
#include "windows/window_texts.h"

const char* ViewKey(WindowKind kind) {
    switch (kind) {
    case WindowKind::kStatProv: return "setup_view_zone";
    case WindowKind::kMultiplier: return "setup_view_multiplier";
    case WindowKind::kMultiplierExt: return "setup_view_multiplier_extended";
    case WindowKind::kZone: return "setup_not_work_zone";
    case WindowKind::kMain: break;
    }
    return "";
}

SetupCqWw::SetupCqWw(ModuleWindow& window, WindowLayer& layer, HostLink& host,
                     const Settings& settings, const ModuleData& data, WindowState& state)
    : window_(window), layer_(layer), host_(host), settings_(settings), data_(data),
      state_(state) {}

SetupCqWw::RunTexts SetupCqWw::ReadRunTexts() const {
    RunTexts texts;
    MutexLock lock(data_.lock);
    texts.altLanguage = data_.run->altLanguage != 0;
    texts.cw = data_.run->cwContest != 0;
    texts.year = data_.run->periodYear;
    return texts;
}

void SetupCqWw::OnInitDialog() {
    const WindowKindInfo& info = KindInfo(WindowKind::kMain);
    state_.lastWindowX = settings_.ReadInt(info.xKey);
    state_.lastWindowY = settings_.ReadInt(info.yKey);
    if (state_.lastWindowX == 0) state_.lastWindowX = info.defaultX;
    if (state_.lastWindowY == 0) state_.lastWindowY = info.defaultY;

    onTop = settings_.ReadInt("setup_window_on_top");
    state_.windowOnTop = onTop;
    const std::string cwText = settings_.ReadText("setup_mode_cw");
    cwMode = settings_.ReadInt("setup_mode_cw");
    // The host thread's next reset takes the weekend from "Mode".
    settings_.WriteText("Mode", cwText);
    ssbMode = settings_.ReadInt("setup_mode_ssb");
    viewStatProv = settings_.ReadInt(ViewKey(WindowKind::kStatProv));
    viewMultiplier = settings_.ReadInt(ViewKey(WindowKind::kMultiplier));
    viewMultiplierExt = settings_.ReadInt(ViewKey(WindowKind::kMultiplierExt));
    viewNotWorkedZone = settings_.ReadInt(ViewKey(WindowKind::kZone));

    ShowModeTexts(cwMode != 0);
    UpdateData();
    window_.MoveTo(state_.lastWindowX, state_.lastWindowY);
    window_.MakeTopmost();  // always; "Window on top" is for the child windows
    window_.SetIcons(true, false);

    host_.Attach();
    state_.bandNames.assign(kBandSlotNames, kBandSlotNames + kBandSlots);
    if (cwMode) {
        host_.RunMacro("<MODE:CW>");
        host_.RunMacro("<BAUDRATE:27>");
    } else {
        host_.RunMacro("<MODE:SSB>");
    }
    window_.DisableClose();
    // The first update opens the wanted child windows and fills them; the
    // armed flag is left as it is.
    layer_.PostCallInfo();
}

void SetupCqWw::UpdateData() {
    window_.SetCheck(IDC_SETUP_CW, cwMode != 0);
    window_.SetCheck(IDC_SETUP_SSB, ssbMode != 0);
    window_.SetCheck(IDC_SETUP_STAT_PROV, viewStatProv != 0);
    window_.SetCheck(IDC_SETUP_MULTIPLIER, viewMultiplier != 0);
    window_.SetCheck(IDC_SETUP_MULTIPLIER_EXT, viewMultiplierExt != 0);
    window_.SetCheck(IDC_SETUP_NEW_STYLE, newStyle != 0);
    window_.SetCheck(IDC_SETUP_ON_TOP, onTop != 0);
    window_.SetCheck(IDC_SETUP_NOT_WORKED_ZONE, viewNotWorkedZone != 0);
}

void SetupCqWw::ShowModeTexts(bool cw) {
    const RunTexts texts = ReadRunTexts();
    window_.SetCaption(MainCaption(texts.altLanguage, cw, texts.year));
    window_.SetItemText(IDC_SETUP_VIEW_LABEL, ViewLabel(texts.altLanguage));
    window_.SetItemText(IDC_SETUP_MODE_LABEL, ModeLabel(texts.altLanguage));
}

void SetupCqWw::StartReport(bool cw) {
    // Under the lock, so that no bad-QSO line of the host thread lands in the
    // new file before its header.
    MutexLock lock(data_.lock);
    const std::string& date = data_.run->periodEndFileDate;
    data_.run->badQsoPath = cw ? CwSwitchReportName(date) : SsbSwitchReportName(date);
    CreateReport(data_.run->badQsoPath, cw ? CwSwitchReportHeader() : SsbSwitchReportHeader());
}

void SetupCqWw::OnModeCw() {
    cwMode = settings_.ReadInt("setup_mode_cw");
    if (cwMode) {  // already chosen: the click only cleared the box
        UpdateData();
        return;
    }
    cwMode = 1;
    ssbMode = 0;
    settings_.WriteText("setup_mode_cw", "1");
    settings_.WriteText("Mode", "1");
    settings_.WriteText("setup_mode_ssb", "0");
    {
        MutexLock lock(data_.lock);
        data_.run->cwContest = 1;
    }
    ShowModeTexts(true);
    UpdateData();
    host_.RunMacro("<MODE:CW>");  // the baud rate goes only with the first
    StartReport(true);
}

void SetupCqWw::OnModeSsb() {
    ssbMode = settings_.ReadInt("setup_mode_ssb");
    if (ssbMode) {
        UpdateData();
        return;
    }
    ssbMode = 1;
    cwMode = 0;
    ShowModeTexts(false);
    UpdateData();
    settings_.WriteText("setup_mode_ssb", "1");
    settings_.WriteText("Mode", "0");
    settings_.WriteText("setup_mode_cw", "0");
    {
        MutexLock lock(data_.lock);
        data_.run->cwContest = 0;
    }
    host_.RunMacro("<MODE:SSB>");
    StartReport(false);
}

int& SetupCqWw::ViewMember(WindowKind kind) {
    switch (kind) {
    case WindowKind::kStatProv: return viewStatProv;
    case WindowKind::kMultiplier: return viewMultiplier;
    case WindowKind::kMultiplierExt: return viewMultiplierExt;
    case WindowKind::kZone: return viewNotWorkedZone;
    case WindowKind::kMain: break;
    }
    return newStyle;  // not a view; never reached
}

ModuleWindow* SetupCqWw::OpenChild(WindowKind kind) {
    ModuleWindow*& slot = state_.Child(kind);
    slot = layer_.OpenChild(kind);
    return slot;
}

void SetupCqWw::CloseChild(WindowKind kind) {
    ModuleWindow*& slot = state_.Child(kind);
    if (!slot) return;
    ModuleWindow* window = slot;
    slot = nullptr;
    layer_.CloseChild(window);
}

void SetupCqWw::Rearm() { data_.refreshArmed->store(1); }

void SetupCqWw::OnToggleView(WindowKind kind) {
    int& member = ViewMember(kind);
    if (state_.Child(kind)) {
        CloseChild(kind);
        member = 0;
        settings_.WriteText(ViewKey(kind), "0");
        return;
    }
    OpenChild(kind);
    member = 1;
    settings_.WriteText(ViewKey(kind), "1");
    Rearm();
    layer_.PostCallInfo();
}

void SetupCqWw::OnWindowOnTop() {
    onTop = onTop ? 0 : 1;
    state_.windowOnTop = onTop;
    settings_.WriteText("setup_window_on_top", onTop ? "1" : "0");
    // The update re-opens the wanted ones with the new topmost state. The
    // CQ-zone window keeps the state it opened with.
    CloseChild(WindowKind::kMultiplierExt);
    CloseChild(WindowKind::kMultiplier);
    CloseChild(WindowKind::kStatProv);
    UpdateData();
    Rearm();
    layer_.PostCallInfo();
}

void SetupCqWw::OnSetCursor(const ScreenRect& windowRect) {
    SavePlacement(WindowKind::kMain, windowRect, settings_, state_);
}

void SetupCqWw::CloseChildren() {
    CloseChild(WindowKind::kMultiplierExt);
    CloseChild(WindowKind::kZone);
    CloseChild(WindowKind::kStatProv);
    CloseChild(WindowKind::kMultiplier);
}
