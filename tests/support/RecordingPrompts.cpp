#include "support/RecordingPrompts.h"

QStringList RecordingPrompts::texts() const {
  QStringList out;
  for (const auto& s : shown_) out << s.text;
  return out;
}

QStringList RecordingPrompts::messages() const {
  QStringList out;
  for (const auto& s : shown_)
    if (s.kind == Kind::Message) out << s.text;
  return out;
}

PromptAnswer RecordingPrompts::nextAnswer() {
  if (!script_.empty()) {
    if (auto* a = std::get_if<PromptAnswer>(&script_.front())) {
      const PromptAnswer v = *a;
      script_.pop_front();
      return v;
    }
  }
  ++unscripted_;
  return PromptAnswer::Cancel;
}

QString RecordingPrompts::nextFile() {
  if (!script_.empty()) {
    if (auto* f = std::get_if<QString>(&script_.front())) {
      const QString v = *f;
      script_.pop_front();
      return v;
    }
  }
  ++unscripted_;
  return {};
}

void RecordingPrompts::showMessage(const QString& text, const QString& caption, PromptIcon icon) {
  shown_.append({Kind::Message, text, caption, icon, {}});
}

bool RecordingPrompts::askYesNo(const QString& text, const QString& caption, PromptIcon icon) {
  shown_.append({Kind::YesNo, text, caption, icon, {}});
  return nextAnswer() == PromptAnswer::Yes;
}

PromptAnswer RecordingPrompts::askYesNoCancel(const QString& text, const QString& caption,
                                              PromptIcon icon) {
  shown_.append({Kind::YesNoCancel, text, caption, icon, {}});
  return nextAnswer();
}

QString RecordingPrompts::chooseOpenFile(const FileDialogRequest& request) {
  shown_.append({Kind::OpenFile, request.title, {}, PromptIcon::None, request});
  return nextFile();
}

QString RecordingPrompts::chooseSaveFile(const FileDialogRequest& request) {
  shown_.append({Kind::SaveFile, request.title, {}, PromptIcon::None, request});
  return nextFile();
}
