// The program's modal messages: a small dialog captioned "Tavro" with the
// text, no icon and one OK button, centred on the screen; and the error box
// (stop icon) for an error no handler catches. The window shows them through
// injectable sinks, so tests record them instead of blocking.
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>
#include <memory>

namespace tavro::app {

using MessageSink = std::function<void(const QString& text)>;

std::unique_ptr<QMessageBox> BuildMessageBox(QWidget* owner, const QString& text);
std::unique_ptr<QMessageBox> BuildErrorBox(QWidget* owner, const QString& text);

// Shows a dialog centred on its screen's work area, no larger than that.
void ShowCentred(QWidget& dialog);

// Centres the box on the owner's screen and waits until it is closed.
void RunCentred(QMessageBox& box);

MessageSink ModalMessageSink(QWidget* owner);
MessageSink ModalErrorSink(QWidget* owner);

}  // namespace tavro::app
