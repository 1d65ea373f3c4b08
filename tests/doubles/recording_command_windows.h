#pragma once
// The windows of the control menu's commands as one list of what was done to
// them, in order, with the state they would keep. Getters are not recorded.
// A test may add its own entries (settings writes, dialogs) to the same list.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "menu/command_windows.h"

namespace morvane {

using CommandLog = std::vector<std::string>;

class RecordingIndicator : public CommandIndicator {
public:
    explicit RecordingIndicator(CommandLog& log) : log_(log) {}

    WindowId hWnd() const override { return id; }
    const StdFont& Font() const override { return font; }
    void SetFont(const StdFont& newFont) override {
        font = newFont;
        log_.push_back("fwMain.SetFont");
    }
    Colour ForeColor() const override { return foreColor; }
    void SetForeColor(Colour colour) override {
        foreColor = colour;
        log_.push_back("fwMain.SetForeColor");
    }
    std::int32_t PixelsPerInchY() const override { return 96; }

    void SetVisible(bool on) override {
        visible = on;
        log_.push_back(on ? "fwMain.Show" : "fwMain.Hide");
    }
    void SetTimerEnabled(bool on) override {
        timerEnabled = on;
        log_.push_back(on ? "toLang.On" : "toLang.Off");
    }
    Colour BackColor() const override { return backColor; }
    void SetBackColor(Colour colour) override {
        backColor = colour;
        log_.push_back("fwMain.SetBackColor");
    }
    std::int32_t MarginWidth() const override { return margin; }
    void SetMarginWidth(std::int32_t width) override {
        margin = width;
        log_.push_back("fwMain.SetMarginWidth " + std::to_string(width));
    }
    void zPaintCursor() override { log_.push_back("fwMain.zPaintCursor"); }
    void RestoreFullRectangle() override { log_.push_back("fwMain.RestoreFullRectangle"); }
    std::wstring SettingsFile() const override { return tag; }
    void Unload() override {
        loaded = false;
        log_.push_back("fwMain.Unload");
    }

    WindowId id = 0x1A1A;
    StdFont font;
    Colour foreColor = 0x0000FF;
    Colour backColor = 0xFFFFFF;
    std::int32_t margin = 1;
    std::wstring tag = L"C:\\Tools\\Morvane3.dat";
    bool visible = true;
    bool timerEnabled = true;
    bool loaded = true;

private:
    CommandLog& log_;
};

class RecordingMenu : public CommandMenu {
public:
    explicit RecordingMenu(CommandLog& log) : log_(log) {}

    WindowId Id() const override { return id; }
    bool TransparentChecked() const override { return transparent; }
    void SetTransparentChecked(bool on) override {
        transparent = on;
        backColorEnabled = !on;
        log_.push_back(on ? "mPopupTransparent.Check" : "mPopupTransparent.Uncheck");
    }
    bool StartChecked() const override { return start; }
    void SetStartChecked(bool on) override {
        start = on;
        log_.push_back(on ? "mPopupStart.Check" : "mPopupStart.Uncheck");
    }
    void SetMarginChecked(int index, bool on) override {
        log_.push_back("mPopupMargin(" + std::to_string(index) + (on ? ").Check" : ").Uncheck"));
    }
    void Unload() override {
        loaded = false;
        log_.push_back("fwMenu.Unload");
    }

    WindowId id = 0x2B2B;
    bool transparent = false;
    bool backColorEnabled = true;
    bool start = false;
    bool loaded = true;

private:
    CommandLog& log_;
};

class RecordingCommandDialogs : public CommandDialogs {
public:
    explicit RecordingCommandDialogs(CommandLog& log) : log_(log) {}

    void ShowAboutModal(const std::wstring& settingsFile) override {
        aboutSettingsFile = settingsFile;
        log_.push_back("fwAbout.ShowModal");
        if (whileAboutIsUp) whileAboutIsUp();
    }
    bool ShowPosition() override {
        log_.push_back("fwPos.Show");
        return positionOpens;
    }

    // Runs while the about dialog is up, as its user would.
    std::function<void()> whileAboutIsUp;
    bool positionOpens = true;
    std::wstring aboutSettingsFile;

private:
    CommandLog& log_;
};

} // namespace morvane
