#pragma once
// Internal to the framework: the glue between program code and the toolkit.

#include <QImage>
#include <QMainWindow>
#include <functional>
#include <memory>

#include "Services.h"

namespace fw {

class Window;

class PictureData {
public:
    explicit PictureData(QImage picture) : image(std::move(picture)) {}
    QImage image;
};

// Runs program code for an event that came from the toolkit. An exception
// must not unwind through the toolkit: it is kept, the event loop is asked to
// end, and ThrowIfPending or RuntimeRun throws it again.
void Dispatch(const std::function<void()>& handler);
// Called by framework operations that the program calls and that can make
// the toolkit call back into the program.
void ThrowIfPending();

// The top-level toolkit window of a Window.
class WindowWidget : public QMainWindow {
public:
    explicit WindowWidget(Window& owner);
    Window& Owner() const { return owner_; }

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    Window& owner_;
};

// The framework Window that a toolkit widget belongs to, or null.
Window* WindowOf(const QWidget* widget);

// Maps a shortcut text such as "Cmd+Shift+C" to the toolkit's portable form.
QString PortableShortcut(const std::string& text);

}  // namespace fw
