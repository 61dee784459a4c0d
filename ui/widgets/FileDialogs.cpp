// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace openwright::ui::FileDialogs {

QString startFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

void pick(QWidget* parent, const Options& options, const QString& proposedName,
          const std::function<void(const QString& path)>& chosen)
{
    auto* dialog = new QFileDialog(parent->window(), options.title, startFolder(), options.nameFilter);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAcceptMode(options.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(options.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!options.defaultSuffix.isEmpty())
        dialog->setDefaultSuffix(options.defaultSuffix);
    if (!options.acceptLabel.isEmpty())
        dialog->setLabelText(QFileDialog::Accept, options.acceptLabel);
    if (!proposedName.isEmpty())
        dialog->selectFile(proposedName);
    QObject::connect(dialog, &QFileDialog::fileSelected, parent, [chosen](const QString& path) {
        if (!path.isEmpty())
            chosen(path);
    });
    dialog->open();
}

} // namespace openwright::ui::FileDialogs
