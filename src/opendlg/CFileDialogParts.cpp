#include "opendlg/CFileDialogParts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>

#include <utility>

CFileDialogParts::CFileDialogParts(const QFileDialog& dialog)
    : lookInLabel(dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"))),
      lookInBox(dialog.findChild<QComboBox*>(QStringLiteral("lookInCombo"))),
      fileTypeLabel(dialog.findChild<QLabel*>(QStringLiteral("fileTypeLabel"))),
      fileTypeBox(dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))),
      fileNameField(dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))),
      detailView(dialog.findChild<QTreeView*>(QStringLiteral("treeView"))),
      listView(dialog.findChild<QAbstractItemView*>(QStringLiteral("listView"))),
      sidebar(dialog.findChild<QWidget*>(QStringLiteral("sidebar"))),
      fileModel(dialog.findChild<QFileSystemModel*>())
{}

QStringList CFileDialogParts::Missing() const
{
    const std::pair<const QObject*, const char*> parts[] = {
        {lookInLabel, "lookInLabel"},     {lookInBox, "lookInCombo"},
        {fileTypeLabel, "fileTypeLabel"}, {fileTypeBox, "fileTypeCombo"},
        {fileNameField, "fileNameEdit"},  {detailView, "treeView"},
        {listView, "listView"},           {sidebar, "sidebar"},
        {fileModel, "QFileSystemModel"},
    };
    QStringList missing;
    for (const auto& [part, name] : parts) {
        if (part == nullptr)
            missing << QString::fromLatin1(name);
    }
    return missing;
}
