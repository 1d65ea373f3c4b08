#include "indicator/win32/main_window.h"

namespace morvane::win32 {

namespace {

// The design size; the first paint sizes the window to its text.
constexpr int kDesignWidthPixels = 24;
constexpr int kDesignHeightPixels = 13;

} // namespace

MainWindow::MainWindow(const SettingsStore& store, const ProcessFacts& process, const InputCursor& input)
    : store_(store), process_(process), input_(input) {}

void MainWindow::Load() {
    if (IsLoaded()) return;
    WindowSpec spec;
    spec.className = kIndicatorClassName;
    spec.background = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    spec.style = WS_POPUP;
    spec.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    spec.width = kDesignWidthPixels;
    spec.height = kDesignHeightPixels;
    if (!Create(spec)) return;

    IndicatorSettings settings = LoadIndicatorSettings(store_, process_, input_, IndicatorDesignFont());
    SetTag(std::move(settings.settingsPath));
    BackColor = settings.BackColor;
    ForeColor = settings.ForeColor;
    Font = std::move(settings.Font);
    MARGIN_Width = settings.MARGIN_Width;
    POSITION_Left = settings.POSITION_Left;
    POSITION_TOP = settings.POSITION_TOP;
    CURSOR_Width = settings.CURSOR_Width;
    CURSOR_Height = settings.CURSOR_Height;
    toLang.SetEnabled(true);
}

void MainWindow::zPosition_Return() {
    WriteIndicatorOffsets(store_, Tag(), POSITION_Left, POSITION_TOP);
    SetVisible(true);
    toLang.SetEnabled(true);
}

} // namespace morvane::win32
