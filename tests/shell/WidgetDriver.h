#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

// Key presses as a user types them, delivered through the application so that
// event filters see them first (the test programs do not link Qt Test).
inline void pressKey(QWidget* target, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, mods);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, mods);
  QApplication::sendEvent(target, &release);
}
