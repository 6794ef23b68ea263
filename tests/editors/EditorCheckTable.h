#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "editors/RecordEditor.h"
#include "editors/RecordEditorCases.h"
#include "image/TDatabaseImage.h"
#include "support/RecordingPrompts.h"

// One add through an editor's checks: the message it shows, or the bytes it
// stores in the slot (empty: not compared).
struct CheckCase {
  CheckCase(const char* t, RecordForm f, const char* m = nullptr, QByteArray s = {},
            unsigned mk = 0, RecordEditor::Focus fo = RecordEditor::Focus::None)
      : title(t), form(std::move(f)), message(m), stored(std::move(s)), markers(mk), focus(fo) {}
  const char* title;
  RecordForm form;
  const char* message;  // nullptr: stored
  QByteArray stored;
  unsigned markers;           // expected markers when fields are missing
  RecordEditor::Focus focus;  // checked when refused
};

// Runs the cases in order on one image, so a case may rely on the ones before.
inline void RunChecks(RecordEditor& editor, TDatabaseImage& image, RecordingPrompts& prompts,
                      const std::vector<CheckCase>& cases) {
  using Status = RecordEditor::AddResult::Status;
  const auto& table = editor.traits().table;
  for (const CheckCase& c : cases) {
    SCOPED_TRACE(c.title);
    prompts.clear();
    const QByteArray before = image.Bytes();
    const auto r = editor.Add(c.form);
    if (c.markers != 0) {
      EXPECT_EQ(r.status, Status::MissingFields);
      EXPECT_EQ(r.markers, c.markers);
      EXPECT_TRUE(prompts.shown().isEmpty());
      EXPECT_EQ(image.Bytes(), before);
    } else if (c.message) {
      EXPECT_EQ(r.status, Status::Refused);
      EXPECT_EQ(prompts.texts(), QStringList{QString::fromUtf8(c.message)});
      EXPECT_EQ(image.Bytes(), before);
      if (c.focus != RecordEditor::Focus::None) {
        EXPECT_EQ(r.focus, c.focus);
      }
    } else {
      EXPECT_EQ(r.status, Status::Stored) << prompts.lastText().toStdString();
      EXPECT_TRUE(prompts.shown().isEmpty());
      if (!c.stored.isEmpty()) {
        const int n = c.form.number.toInt();
        EXPECT_EQ(Hex(image.ReadBytes(table.recordOffset(n), table.recordSize)), Hex(c.stored));
        // Nothing outside the slot changed.
        QByteArray after = image.Bytes();
        after.replace(table.recordOffset(n), table.recordSize,
                      before.mid(table.recordOffset(n), table.recordSize));
        EXPECT_TRUE(after == before);
      }
    }
  }
}
