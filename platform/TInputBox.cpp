#include "platform/TInputBox.h"

#include "platform/ModalSeam.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TInputBox::TInputBox(const QString& caption, const QString& prompt, const QString& defaultText, QWidget* owner)
    : QDialog(owner)
{
    CreateDesign(caption, prompt, defaultText);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TInputBox::CreateDesign(const QString& caption, const QString& prompt, const QString& defaultText)
{
    setObjectName("InputBox");
    setWindowTitle(caption);
    setFixedSize(300, 110);

    Prompt = new QLabel(prompt, this);
    Prompt->setObjectName("Prompt");
    Prompt->setGeometry(8, 8, 284, 17);

    Edit = new QLineEdit(defaultText, this);
    Edit->setObjectName("Edit");
    Edit->setGeometry(8, 32, 284, 21);
    Edit->selectAll();

    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setGeometry(136, 72, 75, 25);
    OKButton->setDefault(true);

    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setGeometry(217, 72, 75, 25);
}

QString InputBox(const QString& caption, const QString& prompt, const QString& defaultText, QWidget* owner)
{
    TInputBox box(caption, prompt, defaultText, owner);
    if (ExecModal(box) == QDialog::Accepted)
        return box.Edit->text();
    return defaultText;
}
