#pragma once

#include <QObject>

class CInvListBox;
class QAction;
class QPoint;
class QWidget;

// The main window's context menu: Undo Last Change, removing files from the
// list, and About. Its actions belong to the window, where tests and
// assistive technology find them by name.
class CWindowMenu : public QObject {
    Q_OBJECT

public:
    CWindowMenu(QWidget* window, CInvListBox& list);

    // Enabled by the window while the newest batch can be undone.
    QAction* UndoAction() const { return undoAction; }

    // Shows the menu at the global position at; while a batch runs
    // (running) every item, whenever added, waits.
    void Exec(const QPoint& at, bool running);

signals:
    void AboutRequested();

private:
    QWidget* window;
    CInvListBox& list;
    QAction* undoAction;
    QAction* removeAction;
    QAction* clearAction;
};
