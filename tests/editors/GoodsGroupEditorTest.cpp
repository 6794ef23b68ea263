#include "editors/EditorCheckTable.h"
#include "editors/EditorFixture.h"
#include "editors/GoodsGroupEditor.h"

namespace {

using G = GoodsGroupEditor;

class GoodsGroupEditorTest : public EditorFixture {
 protected:
  GoodsGroupEditor editor{session};
};

TEST_F(GoodsGroupEditorTest, Checks) {
  const QByteArray name21 = "Artykuly spozywcze AB";
  RunChecks(
      editor, image, prompts,
      {
          {"missing", Group(2, ""), nullptr, {}, kMarkName},
          {"spaces", Group(2, "    "), G::kSpacesName},
          {"basic group's name, trailing spaces", Group(2, "Grupa podstawowa   "), G::kNameTaken},
          {"21 characters", Group(2, QString::fromLatin1(name21)), nullptr, B({2}) + name21},
      });
  EXPECT_EQ(editor.Rows().size(), 2u);
  EXPECT_EQ(editor.FirstFree(), 3);
}

TEST_F(GoodsGroupEditorTest, The21CharacterNameIsSentWithoutItsLastByte) {
  const QByteArray name21 = "Artykuly spozywcze AB";
  ASSERT_EQ(editor.Add(Group(2, QString::fromLatin1(name21))).status,
            RecordEditor::AddResult::Status::Stored);
  received.clear();
  editor.Send(2, true);
  const auto frames = ReceivedWithCommand('G');
  ASSERT_EQ(frames.size(), 1);
  EXPECT_EQ(frames[0].size(), 31);
  EXPECT_EQ(frames[0].mid(7, 21), B({2}) + name21.left(20));
  EXPECT_EQ(quint8(frames[0][28]), 1);
}

TEST_F(GoodsGroupEditorTest, GoodsOfADeletedGroupKeepItsNumber) {
  ASSERT_EQ(editor.Add(Group(2, "Napoje")).status, RecordEditor::AddResult::Status::Stored);
  GoodsRecord g = Goods(7, "Sok");
  g.Group = 2;
  ASSERT_TRUE(image.WriteGoodsRecord(g));
  EXPECT_TRUE(editor.Delete(2));
  EXPECT_EQ(image.ReadGoodsRecord(7).Group, 2);
}

}  // namespace
