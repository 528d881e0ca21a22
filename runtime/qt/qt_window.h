#pragma once
// One model window as widgets, on the GUI thread: a top-level frame with its menu bar, tool
// bar, client area and status bar, and a widget per control at the pixel rectangle its
// dialog units give. It works on copies of the model (qt_snapshot.h) and hands user input
// back through `send`.

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "runtime/qt/qt_fonts.h"
#include "runtime/qt/qt_snapshot.h"
#include "runtime/ui/window.h"

class QAbstractButton;
class QAction;
class QKeySequence;
class QMenu;
class QMenuBar;
class QPushButton;
class QStatusBar;
class QLabel;
class QTimer;
class QVBoxLayout;

namespace rt::qt {

class WindowFrame;
class WindowCanvas;
class KeyFilter;

// A window title as the title bar shows it: an empty title stays empty (Qt would put the
// program file's name there).
QString shownTitle(const std::string& title);

class WindowView {
  public:
    using Send = std::function<void(Input)>;

    WindowView(const WindowData& data, Send send, QWidget* modalParent);
    ~WindowView();
    WindowView(const WindowView&) = delete;
    WindowView& operator=(const WindowView&) = delete;

    QWidget* topLevel() const;
    QWidget* canvas() const;
    QWidget* toolbar() const;
    QWidget* controlWidget(int control) const;
    QAction* controlAction(int control) const;
    QStatusBar* statusBar() const;
    const DialogUnits& units() const { return units_; }
    // The pixel rectangle of a control in its container (client area or tool bar).
    QRect controlRect(const ControlData& data, QWidget* widget) const;

    void show();
    void updateWindow(const WindowData& data);
    void updateControl(const ControlData& data);  // creates the control when it is new
    void destroyControl(int control);
    void applyFlags(const std::vector<ControlFlags>& flags);
    void focusControl(int control);
    // For a window that opened by itself, in place of focusControl(modelFocus): the keyboard
    // goes to its first usable list, where a stray key does no harm, and the model hears of
    // it. False (and nothing done) when the window has no such list.
    bool steerToList(int modelFocus);
    void setTimer(int hundredths);
    // Where a centred window stands: the middle of the screen for the frame's size.
    std::optional<QPoint> centredPlace() const;

    // --- for the frame, the canvas and the key filter ---
    // Hands input to the model; what was typed into the window's edit controls goes first.
    void send(Input input);
    int controlOf(const QObject* object) const;  // 0 when no control owns it
    const ControlData* data(int control) const;
    const WindowData& windowData() const { return window_; }
    // Hands typed text to the model when the user changed it; true when it did.
    bool commitEdit(int control);
    void commitEdits();
    bool isButtonKey(int code) const;
    // Draws as the default the button Enter presses: the push button with the keyboard, or
    // else the window's default button. For the key filter, as the keyboard moves.
    void showDefaultButton();
    // The first usable button, in the window's order, whose letter is `letter`; nullptr when
    // none is, or when a prompt or a tab shares the letter.
    QAbstractButton* firstButtonWith(const QKeySequence& letter) const;
    const QImage& wallpaper() const { return wallpaper_; }

  private:
    struct Item {
        ControlData data;
        QPointer<QWidget> widget;
        QPointer<QAction> action;
        QPointer<QMenu> menu;
    };

    QWidget* createWidget(const ControlData& data);
    void createMenuEntry(Item& item);
    void applyControl(Item& item);
    void applyGeometry(Item& item);
    void applyColours(const Item& item);
    // The colour a control without a ground of its own is drawn on.
    QColor groundBehind(const QWidget* w) const;
    void refreshSheet(int sheet);
    void refreshWindowGeometry();
    QMenuBar* menuBar();
    void makeStatusBar(const std::vector<int>& zones);
    bool takesFocus(const ControlData& data) const;
    bool drawnAsDefault(const QPushButton& button) const;
    // Gives each prompt the control after it as the one its "&" letter focuses.
    void linkPrompts();
    QWidget* containerFor(const ControlData& data) const;
    QFont fontFor(const ControlData& data) const;

    Send send_;
    WindowData window_;
    DialogUnits units_;
    QPointer<WindowFrame> frame_;
    WindowCanvas* canvas_ = nullptr;
    QWidget* toolbar_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    std::vector<QLabel*> statusZones_;
    QVBoxLayout* layout_ = nullptr;
    QTimer* timer_ = nullptr;
    KeyFilter* keys_ = nullptr;
    QImage wallpaper_;
    std::string wallpaperFile_;
    int groundColour_ = 0;  // the window background the control colours were set for
    std::map<int, Item> items_;
    std::vector<int> order_;     // control numbers in creation order
    std::set<int> steeredFrom_;  // controls the model chose that steerToList overrode
    bool shown_ = false;
    bool loaded_ = false;  // updateWindow has run once
    bool linked_ = false;  // the structure's controls are made and prompts linked
};

}  // namespace rt::qt
