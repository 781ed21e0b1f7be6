#pragma once
// Internal to the framework: the toolkit actions that show a menu item.

#include <QAction>
#include <QPointer>
#include <vector>

#include "Menu.h"
#include "Platform.h"

namespace fw {

struct MenuItem::Views {
    std::vector<QPointer<QAction>> actions;

    void Add(QAction* action, const MenuItem& item)
    {
        std::erase_if(actions, [](const QPointer<QAction>& a) { return a.isNull(); });
        actions.emplace_back(action);
        Sync(item, *action);
    }

    void SyncAll(const MenuItem& item)
    {
        for (const auto& action : actions) {
            if (action) Sync(item, *action);
        }
    }

    static void Sync(const MenuItem& item, QAction& action)
    {
        if (!item.IsSeparator()) action.setText(QString::fromStdString(item.Text()));
        action.setShortcut(QKeySequence::fromString(PortableShortcut(item.KeyboardShortcut().value_or(std::string())),
                                                     QKeySequence::PortableText));
        action.setEnabled(item.Enabled());
    }
};

}  // namespace fw
