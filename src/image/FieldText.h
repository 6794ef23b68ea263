#pragma once

#include <QString>

// Checks for text typed into a fixed-width field of the image: every
// character must have a Windows-1250 byte (the register knows no other), and
// the limit counts those bytes.
namespace field_text {

// The message to show when text holds a character Windows-1250 lacks; empty
// when every character can be stored.
QString UnmappableMessage(const QString& text);

// True when text is storable and takes at most widthBytes bytes.
bool Fits(const QString& text, int widthBytes);

}  // namespace field_text
