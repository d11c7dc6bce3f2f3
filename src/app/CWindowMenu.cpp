#include "app/CWindowMenu.h"

#include "app/CInvListBox.h"
#include "app/CMessageBoxPrompt.h"

#include <QAction>
#include <QMenu>

CWindowMenu::CWindowMenu(QWidget* owner, CInvListBox& files)
    : QObject(owner),
      window(owner),
      list(files),
      undoAction(new QAction(tr("&Undo Last Change"), owner)),
      removeAction(new QAction(tr("&Remove Selected Files"), owner)),
      clearAction(new QAction(tr("&Clear List"), owner))
{
    undoAction->setObjectName(QStringLiteral("undoLastChangeAction"));
    // Shown in the menu; the key itself is a shortcut of the window, which
    // also works while the action has not been brought up to date.
    undoAction->setShortcut(QKeySequence::Undo);
    removeAction->setObjectName(QStringLiteral("removeSelectedAction"));
    removeAction->setShortcut(QKeySequence::Delete);
    connect(removeAction, &QAction::triggered, &list, &CInvListBox::RemoveSelected);
    clearAction->setObjectName(QStringLiteral("clearListAction"));
    connect(clearAction, &QAction::triggered, &list, &CInvListBox::RemoveAll);
}

void CWindowMenu::Exec(const QPoint& at, bool running)
{
    QMenu menu(window);
    removeAction->setEnabled(list.HasSelection());
    clearAction->setEnabled(list.Count() > 0);
    menu.addAction(undoAction);
    menu.addSeparator();
    menu.addAction(removeAction);
    menu.addAction(clearAction);
    menu.addSeparator();
    connect(&menu, &QMenu::aboutToShow, &menu, [&menu, running] {
        if (running) {
            for (QAction* action : menu.actions())
                action->setEnabled(false);
        }
    });
    menu.addAction(tr("&About %1...").arg(CMessageBoxPrompt::ProgramName()), this, &CWindowMenu::AboutRequested);
    menu.exec(at);
}
