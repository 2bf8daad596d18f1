#pragma once
// Small helpers for answering dialogs in tests: press a button by its caption, send keys.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QString>

// Presses the button whose caption, without its accelerator mark, is the given text.
inline bool PressButton(QWidget& dialog, const QString& caption)
{
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->text().remove('&') == caption) {
            button->click();
            return true;
        }
    }
    return false;
}

// Sends a key press and release to the widget, as the keyboard would.
inline void TypeKey(QWidget* widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// True for the Yes/No question box.
inline bool IsQuestion(QDialog& dialog)
{
    return qobject_cast<QMessageBox*>(&dialog) != nullptr;
}
