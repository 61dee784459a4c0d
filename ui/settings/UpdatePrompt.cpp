// SPDX-License-Identifier: GPL-3.0-or-later
#include "UpdatePrompt.h"

#include "app/Updater.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>

namespace openwright::ui {

UpdatePrompt::UpdatePrompt(Updater& updater, QObject* parent)
    : QObject(parent)
    , m_updater(updater)
{
    // A check ends when checks become possible again; the result may equal the last one, in
    // which case the updater does not announce it.
    connect(&m_updater, &Updater::canCheckChanged, this, [this](bool canCheck) {
        if (canCheck)
            checkEnded();
    });
}

UpdatePrompt::~UpdatePrompt()
{
    delete m_dialog;
}

void UpdatePrompt::checkNow()
{
    if (!m_updater.canCheck())
        return;
    m_userCheck = true;
    m_updater.checkForUpdates();
}

void UpdatePrompt::checkEnded()
{
    const UpdateCheckResult& result = m_updater.lastResult();
    const bool available = result.kind == UpdateCheckResult::Kind::Available;
    if (m_userCheck) {
        m_userCheck = false;
        show(result);
    } else if (available && !m_announced.contains(result.version)) {
        show(result);
    }
    if (available)
        m_announced.insert(result.version);
}

void UpdatePrompt::show(const UpdateCheckResult& result)
{
    if (result.kind == UpdateCheckResult::Kind::None)
        return;
    delete m_dialog;
    // Over the window the user is in, if any; a check of the tray-only application gets a
    // window of its own.
    auto* box = new QMessageBox(QApplication::activeWindow());
    m_dialog = box;
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(tr("Openwright"));
    box->setText(result.message);
    box->setTextFormat(Qt::PlainText);
    if (result.kind == UpdateCheckResult::Kind::Available) {
        box->setIcon(QMessageBox::Information);
        QPushButton* open = box->addButton(tr("Open Download Page"), QMessageBox::AcceptRole);
        QPushButton* later = box->addButton(tr("Later"), QMessageBox::RejectRole);
        box->setDefaultButton(open);
        box->setEscapeButton(later);
        const QUrl link = result.link;
        connect(open, &QPushButton::clicked, box, [link] { QDesktopServices::openUrl(link); });
    } else {
        box->setIcon(result.kind == UpdateCheckResult::Kind::Failed ? QMessageBox::Warning : QMessageBox::Information);
        box->setStandardButtons(QMessageBox::Ok);
    }
    box->show();
    box->raise();
    box->activateWindow();
}

} // namespace openwright::ui
