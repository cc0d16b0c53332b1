#include "report/BusyFrm.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TBusyForm::TBusyForm(QWidget *owner)
    : QDialog(owner)
{
    setObjectName(u"BusyForm"_s);
    setWindowTitle(tr("Busy"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);

    auto *group = new QGroupBox(this);
    lbOperation = new QLabel(group);
    lbOperation->setObjectName(u"lbOperation"_s);
    lbOperation->setAlignment(Qt::AlignCenter);
    ProgressBar = new QProgressBar(group);
    ProgressBar->setObjectName(u"ProgressBar"_s);
    ProgressBar->setTextVisible(false);
    ProgressBar->setMinimumWidth(240);
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(lbOperation);
    groupLayout->addWidget(ProgressBar);

    btCancel = new QPushButton(tr("Cancel"), this);
    btCancel->setObjectName(u"btCancel"_s);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btCancel);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btCancel, &QPushButton::clicked, this, &TBusyForm::btCancelClick);
}

QString TBusyForm::Operation() const
{
    return lbOperation->text();
}

void TBusyForm::SetOperation(const QString &text)
{
    lbOperation->setText(text);
}

int TBusyForm::Min() const
{
    return ProgressBar->minimum();
}

void TBusyForm::SetMin(int value)
{
    ProgressBar->setMinimum(value);
}

int TBusyForm::Max() const
{
    return ProgressBar->maximum();
}

void TBusyForm::SetMax(int value)
{
    ProgressBar->setMaximum(value);
}

int TBusyForm::Position() const
{
    return ProgressBar->value();
}

void TBusyForm::SetPosition(int value)
{
    ProgressBar->setValue(value);
}

void TBusyForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_cancelled = false;
}

void TBusyForm::btCancelClick()
{
    m_cancelled = true;
}

// The dialog stays until its owner is done; closing it asks to cancel.
void TBusyForm::reject()
{
    if (btCancel->isEnabled())
        btCancelClick();
}
