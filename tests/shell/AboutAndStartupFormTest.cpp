#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QUrlQuery>

#include "WidgetDriver.h"
#include "shell/TOProgramie.h"
#include "shell/TUruchamianie.h"

namespace {

TEST(TOProgramieTest, ShowsNameVersionLogoAndThreeMailtoLinks) {
  TOProgramie about;
  EXPECT_EQ(about.windowTitle(), "ORVI DUNA");
  EXPECT_EQ(about.Label1->text(), "ORVI DUNA v1.50");
  EXPECT_FALSE(about.Image1->pixmap().isNull()) << "logo decoded from the JPEG resource";
  EXPECT_EQ(about.Button1->text(), "Powrót");

  QList<QUrl> opened;
  about.setUrlOpener([&](const QUrl& url) {
    opened << url;
    return true;
  });
  QStringList captions;
  for (QLabel* link : {about.LinkKontakt, about.LinkKasa, about.LinkProgram}) {
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    ASSERT_NE(link->buddy(), link);
    emit link->linkActivated(link->text().section('"', 1, 1));
    captions << link->accessibleName();
  }
  ASSERT_EQ(opened.size(), 3);
  for (const QUrl& url : opened) {
    EXPECT_EQ(url.scheme(), "mailto");
    EXPECT_TRUE(url.path().endsWith(".example")) << url.toString().toStdString();
    EXPECT_EQ(QUrlQuery(url).queryItemValue("subject"), "Orvi Duna v1.50");
  }
  EXPECT_NE(opened[0], opened[1]);
  EXPECT_NE(opened[1], opened[2]);
  EXPECT_TRUE(captions[0].startsWith("Kontakt:"));
  EXPECT_TRUE(captions[1].startsWith("Pytania i uwagi dotyczące kasy Orvi Duna:"));
  EXPECT_TRUE(captions[2].startsWith("Pytania i uwagi dotyczące programu serwisowego:"));
}

TEST(TOProgramieTest, PowrotAndEscapeClose) {
  TOProgramie about;
  about.show();
  about.Button1->click();
  EXPECT_FALSE(about.isVisible());
  about.show();
  pressKey(&about, Qt::Key_Escape);
  EXPECT_FALSE(about.isVisible());
}

TEST(TUruchamianieTest, CaptionPictureAndBoldLabelOnTopWithoutBorderIcons) {
  TUruchamianie splash;
  EXPECT_EQ(splash.windowTitle(), "Trwa uruchamianie programu...");
  EXPECT_EQ(splash.Label1->text(), "Trwa uruchamianie programu...");
  EXPECT_TRUE(splash.Label1->font().bold());
  EXPECT_FALSE(splash.Image1->pixmap().isNull());
  const Qt::WindowFlags flags = splash.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(flags & Qt::WindowSystemMenuHint);
  EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
  splash.showNow();
  EXPECT_TRUE(splash.isVisible());
}

}  // namespace
