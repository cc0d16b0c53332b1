#include "ui/NamedWidgets.h"

#include "ui/DateEdit.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

QString AccessibleText(const QString &caption)
{
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        text += caption[i];
    }
    return text.trimmed();
}

QCheckBox *NewCheckBox(const QString &name, const QString &caption, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

QPushButton *NewOkButton(QWidget *dialog)
{
    auto *button = new QPushButton(dialog->style()->standardIcon(QStyle::SP_DialogOkButton, nullptr, dialog),
        QCoreApplication::translate("Dialog", "OK"), dialog);
    button->setObjectName(QStringLiteral("btOk"));
    button->setDefault(true);
    return button;
}

QPushButton *NewCancelButton(QWidget *dialog)
{
    auto *button
        = new QPushButton(dialog->style()->standardIcon(QStyle::SP_DialogCancelButton, nullptr, dialog),
            QCoreApplication::translate("Dialog", "Cancel"), dialog);
    button->setObjectName(QStringLiteral("btCancel"));
    button->setAutoDefault(false);
    return button;
}

QLabel *NewLabel(const QString &name, const QString &caption, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    if (!buddy)
        return label;
    label->setBuddy(buddy);
    // A screen reader names the control by its label, unless it has a name
    // of its own.
    const QString spoken = AccessibleText(caption);
    if (auto *date = qobject_cast<TDateEdit *>(buddy); date && date->accessibleName().isEmpty())
        date->SetAccessibleName(spoken);
    else if (buddy->accessibleName().isEmpty())
        buddy->setAccessibleName(spoken);
    return label;
}
