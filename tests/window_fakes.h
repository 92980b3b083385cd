// Fakes of the window layer, the windows and the host link for tests of the
// window logic: they record what they are told, in order.
#ifndef STATS_TESTS_WINDOW_FAKES_H_
#define STATS_TESTS_WINDOW_FAKES_H_

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/settings.h"
#include "windows/host_link.h"
#include "windows/module_window.h"
#include "windows/placement.h"
#include "windows/window_state.h"

using Events = std::vector<std::string>;

inline const char* KindName(WindowKind kind) {
    switch (kind) {
    case WindowKind::kMain: return "main";
    case WindowKind::kStatProv: return "statprov";
    case WindowKind::kMultiplier: return "multiplier";
    case WindowKind::kMultiplierExt: return "ext";
    case WindowKind::kZone: return "zone";
    }
    return "?";
}

class FakeWindow : public ModuleWindow {
public:
    FakeWindow(WindowKind kind, Events* events) : kind_(kind), events_(events) {}
    WindowKind Kind() const override { return kind_; }
    void SetCaption(const std::string& text) override {
        caption = text;
        Log("caption " + text);
    }
    void SetItemText(int id, const std::string& text) override { items[id] = text; }
    void SetCheck(int id, bool checked) override { checks[id] = checked; }
    void TransferFlags(int page, const std::vector<int>& flags) override { pages[page] = flags; }
    void MoveTo(int x, int y) override {
        Log("move " + std::to_string(x) + "," + std::to_string(y));
    }
    void MakeTopmost() override {
        topmost = true;
        Log("topmost");
    }
    void SetIcons(bool, bool) override {}
    void DisableClose() override { closeDisabled = true; }
    void RepaintPanel() override { Log("repaint"); }

    std::string caption;
    std::map<int, std::string> items;
    std::map<int, bool> checks;
    std::map<int, std::vector<int>> pages;
    bool topmost = false;
    bool closeDisabled = false;

private:
    void Log(const std::string& what) { events_->push_back(std::string(KindName(kind_)) + " " + what); }
    WindowKind kind_;
    Events* events_;
};

// Opens child windows as the Win32 shell does: construct, initialise, show.
class FakeLayer : public WindowLayer {
public:
    FakeLayer(Events* events, const Settings& settings, WindowState* state)
        : events_(events), settings_(settings), state_(state) {}
    ModuleWindow* OpenChild(WindowKind kind) override {
        auto* window = new FakeWindow(kind, events_);
        InitChildWindow(*window, settings_, *state_);
        events_->push_back(std::string("open ") + KindName(kind));
        open_.emplace_back(window);
        return window;
    }
    void CloseChild(ModuleWindow* window) override {
        events_->push_back(std::string("close ") + KindName(window->Kind()));
        open_.erase(std::find_if(open_.begin(), open_.end(),
                                 [&](const auto& w) { return w.get() == window; }));
    }
    void PostCallInfo() override {
        ++posts;
        events_->push_back("post");
    }
    int posts = 0;

private:
    Events* events_;
    const Settings& settings_;
    WindowState* state_;
    std::vector<std::unique_ptr<FakeWindow>> open_;
};

class FakeHost : public HostLink {
public:
    explicit FakeHost(Events* events) : events_(events) {}
    void Attach() override { attached = present; }
    bool Attached() const override { return attached; }
    double GetFrequency() override { return frequency; }
    std::string GetField(long index) override { return index == 5 ? call : "?"; }
    void RunMacro(const std::string& macro) override {
        macros.push_back(macro);
        events_->push_back("macro " + macro);
    }
    bool present = true;
    bool attached = false;
    double frequency = 1830000;
    std::string call;
    Events macros;

private:
    Events* events_;
};

class RecordingSettings : public Settings {
public:
    explicit RecordingSettings(Events* writes)
        : Settings(g_settingsPath, g_settingsSection), writes_(writes) {}
    void WriteText(const char* key, const std::string& value) const override {
        writes_->push_back(std::string(key) + "=" + value);
        Settings::WriteText(key, value);
    }

private:
    Events* writes_;
};

#endif  // STATS_TESTS_WINDOW_FAKES_H_
