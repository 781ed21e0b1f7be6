#include "TestSupport.h"

#include "Runtime.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace testing_support {

void ShowAndActivate(fw::Window& window)
{
    window.Show();
    QWidget* widget = window.Widget();
    widget->activateWindow();
    QApplication::setActiveWindow(widget);
    ASSERT_TRUE(QTest::qWaitForWindowActive(widget));
}

void Click(fw::RectControl& control)
{
    QWidget* widget = control.Widget();
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    fw::RuntimeThrowPendingException();
}

void TypeInto(fw::TextField& field, const std::string& text)
{
    QWidget* widget = field.Widget();
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    static_cast<QLineEdit*>(widget)->selectAll();
    QTest::keyClicks(widget, QString::fromStdString(text));
}

void PressTab()
{
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key_Tab);
    fw::RuntimeThrowPendingException();
}

}  // namespace testing_support
