// The reference for the start-up benchmark: a bare Qt window of the
// converter's size with a one-item menu bar, and nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto* content = new QWidget;
    content->setFixedSize(194, 358);
    window.setCentralWidget(content);
    window.menuBar()->addMenu(QStringLiteral("File"))->addAction(QStringLiteral("Quit"), &app, &QApplication::quit,
                                                                 QKeySequence::Quit);
    window.setWindowTitle(QStringLiteral("PLUMIVARD"));
    window.show();
    return QApplication::exec();
}
