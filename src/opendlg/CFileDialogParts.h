#pragma once

#include <QStringList>

class QAbstractItemView;
class QComboBox;
class QFileDialog;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QTreeView;
class QWidget;

// The parts of Qt's own file dialog that the open dialog works with. Qt names
// them only by their object names, which are no promise of its: they are
// looked up here and nowhere else, and Missing() says which ones a Qt
// version no longer has. A missing part is a null pointer, and the open
// dialog then goes without what it needed it for.
class CFileDialogParts {
public:
    explicit CFileDialogParts(const QFileDialog& dialog);

    QLabel* LookInLabel() const { return lookInLabel; }
    QComboBox* LookInBox() const { return lookInBox; }
    QLabel* FileTypeLabel() const { return fileTypeLabel; }
    QComboBox* FileTypeBox() const { return fileTypeBox; }
    QLineEdit* FileNameField() const { return fileNameField; }
    // The detail view and the list view take turns in one place.
    QTreeView* DetailView() const { return detailView; }
    QAbstractItemView* ListView() const { return listView; }
    QWidget* Sidebar() const { return sidebar; }
    QFileSystemModel* FileModel() const { return fileModel; }

    // The object names of the parts not found, empty when all were.
    QStringList Missing() const;

private:
    QLabel* lookInLabel;
    QComboBox* lookInBox;
    QLabel* fileTypeLabel;
    QComboBox* fileTypeBox;
    QLineEdit* fileNameField;
    QTreeView* detailView;
    QAbstractItemView* listView;
    QWidget* sidebar;
    QFileSystemModel* fileModel;
};
