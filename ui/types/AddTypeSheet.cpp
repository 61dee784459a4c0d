// SPDX-License-Identifier: GPL-3.0-or-later
#include "AddTypeSheet.h"

#include "app/AppModel.h"
#include "widgets/Style.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

AddTypeSheet::AddTypeSheet(AppModel& model, QWidget* parent)
    : QDialog(parent)
    , m_model(model)
    , m_field(new QLineEdit(this))
    , m_error(Style::label(tr("That doesn't look like an extension or link type."), Style::Text::caption,
                           Style::Tone::danger, this))
    , m_listed(Style::label({}, Style::Text::caption, Style::Tone::secondary, this))
{
    setWindowTitle(tr("Add a File Type or Link"));
    setWindowModality(Qt::WindowModal);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(Style::spacing(3), Style::spacing(3), Style::spacing(3), Style::spacing(2));
    column->setSpacing(Style::spacing());
    column->addWidget(Style::label(tr("Add a File Type or Link"), Style::Text::title, Style::Tone::normal, this));

    auto* explanation = Style::label({}, Style::Text::callout, Style::Tone::secondary, this);
    explanation->setTextFormat(Qt::RichText);
    explanation->setText(tr("Type a file extension like <b>.log</b> or a link type like <b>zoommtg:</b> (ending with a "
                            "colon)."));
    explanation->setWordWrap(true);
    column->addWidget(explanation);

    column->addSpacing(Style::spacing() / 2);
    m_field->setPlaceholderText(tr(".extension or scheme:"));
    m_field->setAccessibleName(tr("File extension or link type"));
    m_field->setMinimumWidth(Style::spacing(56));
    column->addWidget(m_field);

    // The line keeps its place while hidden, so the sheet does not jump as the user types.
    QSizePolicy keep = m_error->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_error->setSizePolicy(keep);
    m_error->setWordWrap(true);
    column->addWidget(m_error);
    m_listed->setObjectName(u"listed"_s);
    m_listed->setWordWrap(true);
    m_listed->hide();
    column->addWidget(m_listed);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QDialogButtonBox::Cancel);
    m_add = buttons->addButton(tr("Add"), QDialogButtonBox::AcceptRole);
    m_add->setDefault(true);
    column->addSpacing(Style::spacing());
    column->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &AddTypeSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &AddTypeSheet::reject);
    connect(m_field, &QLineEdit::textChanged, this, &AddTypeSheet::validate);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    validate();
}

namespace {

// The listed category of the type `text` names, if any.
std::optional<FileCategory> listedCategory(const AppModel& model, const QString& text)
{
    const auto target = Target::parse(text);
    if (!target)
        return std::nullopt;
    for (const FileCategory& c : model.categories()) {
        if (c.target == *target)
            return c;
    }
    return std::nullopt;
}

} // namespace

void AddTypeSheet::validate()
{
    const bool valid = Target::parse(m_field->text()).has_value();
    const auto listed = listedCategory(m_model, m_field->text());
    m_add->setEnabled(valid);
    m_add->setText(listed ? tr("Show") : tr("Add"));
    m_error->setVisible(!valid && !m_field->text().isEmpty());
    // An extension no installed MIME description knows is said at once: no app can be chosen
    // for it, whatever is added.
    const auto target = Target::parse(m_field->text());
    const bool unknown = target && !listed && target->isFileExtension() && !m_model.service().platformType(*target);
    m_listed->setVisible(listed.has_value() || unknown);
    if (listed) {
        m_listed->setText(tr("%1 is already in %2.").arg(listed->title, CategoryGroups::title(listed->group)));
    } else if (unknown) {
        m_listed->setText(tr("The system does not recognise %1 files: no app can open them until a program you "
                             "install describes them. Added, the type waits for one.")
                              .arg(target->description()));
    }
}

void AddTypeSheet::accept()
{
    // Return arrives here too: text that is not a type keeps the sheet open.
    const QString text = m_field->text();
    if (!Target::parse(text))
        return;
    if (const auto listed = listedCategory(m_model, text)) {
        // Not added twice: shown where it is, selected.
        m_model.setSelection(SidebarItem::groupItem(listed->group));
        QDialog::accept();
        Q_EMIT revealRequested(listed->target);
        return;
    }
    if (const auto target = m_model.addCustom(text))
        m_model.setSelection(SidebarItem::groupItem(m_model.category(*target).group));
    QDialog::accept();
}

} // namespace openwright::ui
