#pragma once
// The splash window shown while the workbench starts: the splash picture centred on the
// screen for kShowTime, or until the first key or mouse press, which it swallows. At most one
// exists; it deletes itself when it hides.

#include <QObject>
#include <QWidget>

namespace TavWorkbench::Ui {

class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShowTime = 750; // milliseconds

    // Whether ShowSplashScreen shows anything (the command line's show-splash flag).
    static void EnableSplashScreen(bool enable);
    // Shows the splash window owned by `parent`, unless disabled or one is already shown.
    static void ShowSplashScreen(QWidget* parent);
    // The splash window shown now, null when none.
    static CSplashWnd* Current();
    // A key or mouse press while the splash shows hides it and is swallowed (true).
    static bool PreTranslateAppMessage(QEvent* event);
    // Hides (and deletes) the splash window now.
    static void HideSplashScreen();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    explicit CSplashWnd(QWidget* parent);
    ~CSplashWnd() override;

    QPixmap m_picture;
};

} // namespace TavWorkbench::Ui
