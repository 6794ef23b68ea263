#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

#include "image/BaseFiles.h"
#include "image/NewImage.h"
#include "support/RecordingPrompts.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

using Kind = RecordingPrompts::Kind;
using SaveResult = BaseFiles::SaveResult;
using S = ConnectionState;

const QString kAskSave =
    QString::fromUtf8("Czy chcesz zapisać zmiany w aktualnie edytowanej bazie?");

// A base file whose every byte differs from its neighbours, so that a moved
// or lost byte shows.
QByteArray SampleBase(char seed = 1) {
  QByteArray b(205000, '\0');
  for (int i = 0; i < b.size(); ++i) b[i] = static_cast<char>((i * 7 + seed) & 0xFF);
  b.replace(0, 20, "ORVI_DUNA_V_1_00    ");
  b.replace(145037, 3, QByteArray(3, '\0'));
  b.replace(145032, 3, "PLN");
  return b;
}

class BaseFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    work_ = dir_.filePath("temp");
    ASSERT_TRUE(QDir().mkpath(work_));
    hadTemp_ = qEnvironmentVariableIsSet("TEMP");
    oldTemp_ = qgetenv("TEMP");
    qputenv("TEMP", QFile::encodeName(work_));
  }
  void TearDown() override {
    image_.Close();
    if (hadTemp_)
      qputenv("TEMP", oldTemp_);
    else
      qunsetenv("TEMP");
  }

  QString Path(const QString& name) const { return dir_.filePath(name); }
  QString WorkingCopyPath() const { return QDir(work_).filePath("BDTemp.bdt"); }
  static QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  static void Write(const QString& path, const QByteArray& content) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(content), content.size());
  }
  QString StoreBase(const QString& name, const QByteArray& content) {
    const QString p = Path(name);
    Write(p, content);
    return p;
  }
  // Opens a base file with the prompts scripted to choose it.
  bool Open(const QString& path) {
    prompts_.chooseFile(path);
    return files_.OpenBaseFile();
  }
  void StartOffline() {
    ASSERT_TRUE(files_.CreateStartupBase());
    prompts_.clear();
  }

  QTemporaryDir dir_;
  QString work_;
  bool hadTemp_ = false;
  QByteArray oldTemp_;
  TDatabaseImage image_;
  ConnectionTracker connection_;
  RecordingPrompts prompts_;
  BaseFiles files_{image_, connection_, prompts_, QDir::currentPath()};
};

}  // namespace

TEST_F(BaseFilesTest, StartupBaseIsANewImageNamedBezNazwyAndNotModified) {
  EXPECT_EQ(files_.State(), S::None);
  ASSERT_TRUE(files_.CreateStartupBase());
  EXPECT_EQ(files_.State(), S::Offline);
  EXPECT_EQ(files_.BaseName(), "Bez nazwy");
  EXPECT_EQ(files_.CurrencySymbol(), "PLN");
  EXPECT_FALSE(files_.Modified());
  EXPECT_EQ(Read(WorkingCopyPath()), new_image::Build(1, "PLN"));
  EXPECT_TRUE(files_.AskSaveChanges());
  EXPECT_TRUE(files_.ConfirmExit());
  EXPECT_TRUE(prompts_.shown().isEmpty());
}

TEST_F(BaseFilesTest, WorkingCopyIsExactWhateverAnOldOneHeld) {
  for (int oldSize : {0, 17, 205000, 300000}) {
    Write(WorkingCopyPath(), QByteArray(oldSize, '\xAA'));
    ASSERT_TRUE(files_.CreateStartupBase()) << oldSize;
    EXPECT_EQ(Read(WorkingCopyPath()), new_image::Build(1, "PLN")) << oldSize;
    image_.Close();
  }
  // After an open as well.
  Write(WorkingCopyPath(), QByteArray(300000, '\xAA'));
  ASSERT_TRUE(files_.CreateStartupBase());
  const QString base = StoreBase("a.bkf", SampleBase());
  ASSERT_TRUE(Open(base));
  EXPECT_EQ(Read(WorkingCopyPath()), SampleBase());
}

TEST_F(BaseFilesTest, WorkingFolderFallsBackWhenTempIsMissing) {
  qputenv("TEMP", QFile::encodeName(dir_.filePath("no/such/folder")));
  // The system's temporary folder, moved here so the test leaves nothing behind.
  const QByteArray oldTmpDir = qgetenv("TMPDIR");
  const QString system = dir_.filePath("system/tmp");
  ASSERT_TRUE(QDir().mkpath(system));
  qputenv("TMPDIR", QFile::encodeName(system));
  ASSERT_TRUE(files_.CreateStartupBase());
  const QString fallback = QDir(system).filePath("Duna_Tmp/BDTemp.bdt");
  EXPECT_EQ(QFileInfo(image_.Path()).absoluteFilePath(), QFileInfo(fallback).absoluteFilePath());
  EXPECT_EQ(QFileInfo(fallback).size(), 205000);
  image_.Close();
  if (oldTmpDir.isNull())
    qunsetenv("TMPDIR");
  else
    qputenv("TMPDIR", oldTmpDir);
}

TEST_F(BaseFilesTest, NewBaseFromTheDialogPadsTheSymbolAndIsModified) {
  StartOffline();
  EXPECT_EQ(files_.AcceptNewBase("", "EUR"), BaseFiles::NewBaseResult::EmptyName);
  EXPECT_TRUE(prompts_.shown().isEmpty());
  EXPECT_EQ(files_.BaseName(), "Bez nazwy");
  EXPECT_FALSE(files_.Modified());

  const struct {
    const char* symbol;
    const char* stored;
  } cases[] = {{"EUR", "EUR"}, {"ab", " ab"}, {"", "   "}};
  for (const auto& c : cases) {
    ASSERT_EQ(files_.AcceptNewBase("sklep", c.symbol), BaseFiles::NewBaseResult::Created);
    EXPECT_EQ(files_.CurrencySymbol(), c.stored);
    EXPECT_EQ(Read(WorkingCopyPath()), new_image::Build(1, c.stored));
  }
  EXPECT_EQ(files_.BaseName(), "sklep");
  EXPECT_TRUE(files_.Modified());
  EXPECT_EQ(files_.State(), S::Offline);
  EXPECT_TRUE(prompts_.shown().isEmpty());

  connection_.SettingsNoPortChosen();
  connection_.LastSettingsPortOpened();
  ASSERT_EQ(files_.AcceptNewBase("kasa2", "PLN"), BaseFiles::NewBaseResult::Created);
  EXPECT_EQ(files_.State(), S::OnlineWithFile);
}

TEST_F(BaseFilesTest, FailedNewBaseLeavesNoBaseClaimed) {
  for (bool online : {false, true}) {
    ASSERT_TRUE(QDir().mkpath(work_));
    StartOffline();
    if (online) connection_.SettingsPortOpened();
    // The working copy cannot be opened: a folder stands in its place.
    image_.Close();
    QFile::remove(WorkingCopyPath());
    ASSERT_TRUE(QDir().mkpath(WorkingCopyPath()));
    EXPECT_EQ(files_.AcceptNewBase("nowa", "PLN"), BaseFiles::NewBaseResult::Failed);
    EXPECT_EQ(prompts_.messages(),
              QStringList{QString::fromUtf8("Nie udało się utworzyć nowej bazy")});
    EXPECT_EQ(files_.State(), online ? S::Online : S::None);
    EXPECT_TRUE(image_.Failed());
    EXPECT_EQ(files_.BaseName(), "nowa");
    ASSERT_TRUE(QDir(WorkingCopyPath()).removeRecursively());
    connection_.PortClosed();
  }
}

TEST_F(BaseFilesTest, OpenedEditedAndSavedBaseKeepsEveryOtherByte) {
  StartOffline();
  const QByteArray original = SampleBase();
  const QString source = StoreBase("sklep.bkf", original);
  ASSERT_TRUE(Open(source));
  EXPECT_EQ(prompts_.shown().size(), 1);
  EXPECT_EQ(prompts_.shown()[0].kind, Kind::OpenFile);
  EXPECT_EQ(prompts_.shown()[0].file.filter, "Plik bazy danych (*.bkf)");
  EXPECT_EQ(prompts_.shown()[0].file.defaultSuffix, "bkf");
  EXPECT_EQ(files_.BaseName(), "sklep.bkf");
  EXPECT_EQ(files_.State(), S::Offline);
  EXPECT_FALSE(files_.Modified());  // opening leaves the flag as it was

  GoodsRecord r;
  r.Number = 12;
  r.Name = QString::fromUtf8("Chleb żytni");
  r.Price = 450;
  ASSERT_TRUE(image_.WriteGoodsRecord(r));
  files_.MarkModified();

  prompts_.clear();
  const QString target = Path("kopia.bkf");
  prompts_.chooseFile(target);
  EXPECT_EQ(files_.SaveBaseFile(), SaveResult::Saved);
  ASSERT_EQ(prompts_.shown().size(), 2);
  const auto& dialog = prompts_.shown()[0];
  EXPECT_EQ(dialog.kind, Kind::SaveFile);
  EXPECT_EQ(dialog.file.title, QString::fromUtf8("Zapisz bazę danych do pliku"));
  EXPECT_EQ(dialog.file.filter, "Baza danych Orvi Duna (*.bkf)");
  EXPECT_EQ(dialog.file.defaultSuffix, "bkf");
  EXPECT_EQ(dialog.file.proposedName, "sklep.bkf");
  EXPECT_EQ(prompts_.lastText(), "Zapisano plik " + QDir::toNativeSeparators(target));

  QByteArray expected = original;
  const QByteArray rec(reinterpret_cast<const char*>(EncodeGoodsRecord(r).data()), 68);
  expected.replace(5000 + 11 * 68, 68, rec);
  EXPECT_EQ(Read(target), expected);
  EXPECT_EQ(Read(source), original);
  EXPECT_EQ(files_.BaseName(), "kopia.bkf");
  EXPECT_FALSE(files_.Modified());
  EXPECT_TRUE(files_.Saved());
  EXPECT_EQ(image_.Position(), 0);
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 2);  // no temporary left
}

TEST_F(BaseFilesTest, OpenWhileModifiedAsksFirst) {
  const QString other = StoreBase("inna.bkf", SampleBase(5));
  // Cancel: nothing else is shown and nothing changes.
  StartOffline();
  files_.MarkModified();
  prompts_.answerCancel();
  EXPECT_FALSE(files_.OpenBaseFile());
  ASSERT_EQ(prompts_.shown().size(), 1);
  EXPECT_EQ(prompts_.shown()[0].kind, Kind::YesNoCancel);
  EXPECT_EQ(prompts_.shown()[0].text, kAskSave);
  EXPECT_EQ(prompts_.shown()[0].caption, "Orvi Duna");
  EXPECT_EQ(files_.BaseName(), "Bez nazwy");
  EXPECT_EQ(Read(WorkingCopyPath()), new_image::Build(1, "PLN"));

  // No: opens without saving.
  prompts_.clear();
  prompts_.answerNo();
  EXPECT_TRUE(Open(other));
  EXPECT_EQ(files_.BaseName(), "inna.bkf");
  EXPECT_TRUE(prompts_.scriptUsedUp());
  EXPECT_EQ(prompts_.unscripted(), 0);

  // Yes, then the save dialog cancelled: still opens.
  StartOffline();
  files_.MarkModified();
  prompts_.answerYes();
  prompts_.cancelDialog();
  EXPECT_TRUE(Open(other));
  EXPECT_EQ(files_.BaseName(), "inna.bkf");
  EXPECT_EQ(prompts_.shown()[1].kind, Kind::SaveFile);
  EXPECT_EQ(prompts_.unscripted(), 0);

  // Yes and saved: the base is in the file before the other one is opened.
  StartOffline();
  files_.MarkModified();
  prompts_.answerYes();
  prompts_.chooseFile(Path("zapis.bkf"));
  EXPECT_TRUE(Open(other));
  EXPECT_EQ(Read(Path("zapis.bkf")), new_image::Build(1, "PLN"));
  EXPECT_EQ(Read(WorkingCopyPath()), SampleBase(5));
}

TEST_F(BaseFilesTest, SaveTheUserAskedForThatFailsStopsTheOpen) {
  StartOffline();
  files_.MarkModified();
  prompts_.answerYes();
  prompts_.chooseFile(Path("missing-folder/zapis.bkf"));
  EXPECT_FALSE(files_.OpenBaseFile());
  EXPECT_EQ(prompts_.lastText(), QString::fromUtf8("Nie mogę otworzyć pliku docelowego"));
  EXPECT_TRUE(files_.Modified());
  EXPECT_EQ(files_.BaseName(), "Bez nazwy");
}

TEST_F(BaseFilesTest, ServiceBaseIsFlaggedUntilAnOrdinaryBaseIsOpened) {
  StartOffline();
  QByteArray service = SampleBase();
  service.replace(0, 14, "BAZA SERWISOWA");
  ASSERT_TRUE(Open(StoreBase("serwis.bkf", service)));
  EXPECT_TRUE(files_.IsServiceBase());
  ASSERT_TRUE(Open(StoreBase("zwykla.bkf", SampleBase())));
  EXPECT_FALSE(files_.IsServiceBase());
}

TEST_F(BaseFilesTest, CurrencyIsTakenFromTheOpenedBase) {
  StartOffline();
  const auto withSymbols = [](const QByteArray& created, const QByteArray& changed) {
    QByteArray b = SampleBase();
    b.replace(145032, 3, created);
    b.replace(145037, 3, changed);
    return b;
  };
  const struct {
    QByteArray created, changed;
    const char* shown;
  } cases[] = {
      {"PLN", "EUR", "EUR"},
      {"USD", QByteArray(3, '\0'), "USD"},
      {" EU", "   ", " EU"},
      {QByteArray(3, '\0'), QByteArray(3, '\0'), "PLN"},
  };
  int i = 0;
  for (const auto& c : cases) {
    ASSERT_TRUE(Open(StoreBase(QString("c%1.bkf").arg(i++), withSymbols(c.created, c.changed))));
    EXPECT_EQ(files_.CurrencySymbol(), c.shown);
  }
}

TEST_F(BaseFilesTest, OpenWhileOnlineGivesOnlineWithFile) {
  connection_.SettingsPortOpened();
  EXPECT_EQ(files_.State(), S::Online);
  ASSERT_TRUE(Open(StoreBase("a.bkf", SampleBase())));
  EXPECT_EQ(files_.State(), S::OnlineWithFile);
  EXPECT_TRUE(connection_.PortOpen());
}

TEST_F(BaseFilesTest, BadBaseFilesAreRefusedAndTheCurrentBaseStays) {
  StartOffline();
  ASSERT_EQ(files_.AcceptNewBase("moja", "EUR"), BaseFiles::NewBaseResult::Created);
  const QByteArray before = Read(WorkingCopyPath());
  const QString folder = Path("folder.bkf");
  ASSERT_TRUE(QDir().mkpath(folder));
  const struct {
    const char* name;
    QString path;
    const char* says;
  } cases[] = {
      {"short", StoreBase("short.bkf", SampleBase().left(204999)), "204999 bajtów"},
      {"empty", StoreBase("empty.bkf", {}), "0 bajtów"},
      {"one byte", StoreBase("one.bkf", "x"), "1 bajt,"},
      {"long", StoreBase("long.bkf", SampleBase() + "x"), "205001 bajtów"},
      {"folder", folder, "jest folderem"},
      {"missing", Path("nie-ma.bkf"), "nie istnieje"},
  };
  for (const auto& c : cases) {
    prompts_.clear();
    prompts_.answerNo();  // the base is modified: do not save it first
    EXPECT_FALSE(Open(c.path)) << c.name;
    ASSERT_EQ(prompts_.messages().size(), 1) << c.name;
    const QString text = prompts_.messages()[0];
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.says))) << c.name << ": " << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("Aktualna baza pozostaje bez zmian."))) << c.name;
    EXPECT_EQ(Read(WorkingCopyPath()), before) << c.name;
    EXPECT_EQ(image_.Bytes(), before) << c.name;
    EXPECT_EQ(files_.BaseName(), "moja") << c.name;
    EXPECT_EQ(files_.CurrencySymbol(), "EUR") << c.name;
    EXPECT_EQ(files_.State(), S::Offline) << c.name;
    EXPECT_TRUE(files_.Modified()) << c.name;
  }
}

#ifdef Q_OS_UNIX
TEST_F(BaseFilesTest, PipeIsRefusedWithoutBeingRead) {
  StartOffline();
  const QString fifo = Path("pipe.bkf");
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  EXPECT_FALSE(Open(fifo));  // would block forever if it were opened
  ASSERT_EQ(prompts_.messages().size(), 1);
  EXPECT_TRUE(prompts_.messages()[0].contains(QString::fromUtf8("nie jest zwykłym plikiem")));
  EXPECT_EQ(files_.BaseName(), "Bez nazwy");
}
#endif

TEST_F(BaseFilesTest, WorkingCopyThatCannotTakeTheBaseKeepsThePreviousOne) {
  StartOffline();
  ASSERT_TRUE(image_.WriteByte(30000, 0x42));
  const QString before = image_.Path();
  // The working folder now names a place where no file can be opened.
  const QString other = dir_.filePath("other");
  ASSERT_TRUE(QDir().mkpath(other + "/BDTemp.bdt"));
  qputenv("TEMP", QFile::encodeName(other));
  EXPECT_FALSE(Open(StoreBase("a.bkf", SampleBase())));
  EXPECT_EQ(prompts_.messages(), QStringList{QString::fromUtf8("Wystąpił błąd odczytu")});
  EXPECT_EQ(image_.Path(), before);
  EXPECT_EQ(image_.ReadByte(30000), 0x42);
  EXPECT_FALSE(image_.Failed());
  EXPECT_EQ(files_.State(), S::Offline);
  EXPECT_EQ(files_.BaseName(), "Bez nazwy");
}

TEST_F(BaseFilesTest, CancelledOpenDialogChangesNothing) {
  StartOffline();
  prompts_.cancelDialog();
  EXPECT_FALSE(files_.OpenBaseFile());
  EXPECT_EQ(prompts_.shown().size(), 1);
  EXPECT_EQ(files_.BaseName(), "Bez nazwy");
  EXPECT_EQ(files_.State(), S::Offline);
}

TEST_F(BaseFilesTest, SavingOverAnExistingFileAsksFirst) {
  StartOffline();
  files_.MarkModified();
  const QString target = StoreBase("stara.bkf", "old content");
  prompts_.chooseFile(target);
  prompts_.answerNo();
  EXPECT_EQ(files_.SaveBaseFile(), SaveResult::Cancelled);
  ASSERT_EQ(prompts_.shown().size(), 2);
  EXPECT_EQ(prompts_.shown()[1].kind, Kind::YesNo);
  EXPECT_EQ(prompts_.shown()[1].text, QString::fromUtf8("Plik %1 już istnieje. Kontynuować? ")
                                          .arg(QDir::toNativeSeparators(target)));
  EXPECT_EQ(prompts_.shown()[1].icon, PromptIcon::Warning);
  EXPECT_EQ(Read(target), "old content");
  EXPECT_TRUE(files_.Modified());
  EXPECT_FALSE(files_.Saved());

  prompts_.clear();
  prompts_.chooseFile(target);
  prompts_.answerYes();
  EXPECT_EQ(files_.SaveBaseFile(), SaveResult::Saved);
  EXPECT_EQ(Read(target), new_image::Build(1, "PLN"));
}

TEST_F(BaseFilesTest, FailedSaveKeepsTheModifiedFlagAndTheOldFile) {
  StartOffline();
  files_.MarkModified();
  // The target is a folder: nothing can be written there.
  const QString target = Path("cel.bkf");
  ASSERT_TRUE(QDir().mkpath(target));
  prompts_.chooseFile(target);
  prompts_.answerYes();
  EXPECT_EQ(files_.SaveBaseFile(), SaveResult::Failed);
  EXPECT_FALSE(prompts_.texts().join('|').contains("Zapisano"));
  EXPECT_TRUE(files_.Modified());
  EXPECT_FALSE(files_.Saved());
  EXPECT_TRUE(QFileInfo(target).isDir());
  EXPECT_EQ(files_.BaseName(), "Bez nazwy");
}

TEST_F(BaseFilesTest, WorkingCopyIsNotAPlaceToSaveTo) {
  StartOffline();
  files_.MarkModified();
  prompts_.chooseFile(WorkingCopyPath());
  EXPECT_EQ(files_.SaveBaseFile(), SaveResult::Failed);
  EXPECT_EQ(prompts_.shown().size(), 2);  // refused before the overwrite question
  EXPECT_TRUE(prompts_.lastText().contains(QString::fromUtf8("kopią roboczą")));
  EXPECT_TRUE(files_.Modified());
  ASSERT_TRUE(image_.WriteByte(30000, 0x42));  // still writing into the working copy
  EXPECT_EQ(Read(WorkingCopyPath()).at(30000), 0x42);
}

TEST_F(BaseFilesTest, SaveOfAClosedImageCreatesNothingAndDropsTheBase) {
  for (bool online : {false, true}) {
    StartOffline();
    if (online) connection_.PortOpened();
    image_.Close();
    EXPECT_EQ(files_.SaveBaseFile(), SaveResult::Failed);
    EXPECT_EQ(prompts_.texts(), QStringList{QString::fromUtf8("Plik z bazą nie jest otwarty.")});
    EXPECT_EQ(files_.State(), online ? S::Online : S::None);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{});
    connection_.PortClosed();
  }
}

TEST_F(BaseFilesTest, NoQuestionWithoutAModifiedBase) {
  EXPECT_TRUE(files_.AskSaveChanges());  // state none
  EXPECT_TRUE(files_.ConfirmExit());
  files_.MarkModified();
  EXPECT_TRUE(files_.AskSaveChanges());  // modified, but no base
  EXPECT_TRUE(files_.ConfirmExit());
  connection_.PortOpened();
  EXPECT_TRUE(files_.AskSaveChanges());  // ONLINE: still no base
  EXPECT_TRUE(files_.ConfirmExit());
  EXPECT_TRUE(prompts_.shown().isEmpty());
}

TEST_F(BaseFilesTest, ExitQuestion) {
  const struct {
    const char* name;
    std::function<void(RecordingPrompts&, const QString&)> script;
    bool mayEnd;
  } cases[] = {
      {"cancel", [](RecordingPrompts& p, const QString&) { p.answerCancel(); }, false},
      {"no", [](RecordingPrompts& p, const QString&) { p.answerNo(); }, true},
      {"yes, dialog cancelled",
       [](RecordingPrompts& p, const QString&) {
         p.answerYes();
         p.cancelDialog();
       },
       false},
      {"yes, overwrite refused",
       [](RecordingPrompts& p, const QString& existing) {
         p.answerYes();
         p.chooseFile(existing);
         p.answerNo();
       },
       false},
      {"yes, saved",
       [this](RecordingPrompts& p, const QString&) {
         p.answerYes();
         p.chooseFile(Path("wyjscie.bkf"));
       },
       true},
  };
  const QString existing = StoreBase("jest.bkf", "x");
  for (const auto& c : cases) {
    StartOffline();
    files_.MarkModified();
    c.script(prompts_, existing);
    EXPECT_EQ(files_.ConfirmExit(), c.mayEnd) << c.name;
    EXPECT_EQ(prompts_.shown()[0].text, kAskSave) << c.name;
    EXPECT_TRUE(prompts_.scriptUsedUp()) << c.name;
    EXPECT_EQ(prompts_.unscripted(), 0) << c.name;
  }
}
