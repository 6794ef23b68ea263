#pragma once

#include <QHash>
#include <QMainWindow>
#include <functional>

#include "shell/FunctionLists.h"

class Clock;
class Prompts;
class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class QToolButton;
class ShellSession;
class TNowaBazaD;
class TOProgramie;
class TUstawieniaTrans;

// The main window: base-file commands, connection commands and the three
// function lists, refused or opened by the connection state.
class TMenuGlowne : public QMainWindow {
  Q_OBJECT
 public:
  static constexpr const char* kCaption = "Orvi Duna v. 1.50";
  static constexpr const char* kExitQuestion = "Czy na pewno chcesz opuścić program?";

  // The session (base, link, state) is created by the caller and outlives the window.
  TMenuGlowne(ShellSession& session, Prompts& prompts, Clock& clock, QWidget* parent = nullptr);
  ~TMenuGlowne() override;

  // Windows of the lists register here under their class name; an entry whose
  // window is not registered opens nothing.
  void registerForm(const QString& form, std::function<void()> open);
  bool hasForm(const QString& form) const { return forms_.contains(form); }

  // Runs the entry as Enter or a double click would.
  void openEntry(FunctionTab tab, int index);
  void RefreshStatus();

  ShellSession& session() { return session_; }
  TUstawieniaTrans* ustawieniaTrans() const { return UstawieniaTrans_; }
  TNowaBazaD* nowaBaza() const { return NowaBazaD_; }
  TOProgramie* oProgramie() const { return OProgramie_; }
  QListWidget* list(FunctionTab tab) const;

  QAction* NowaBaza1;
  QAction* OtworzPlik1;
  QAction* ZapiszPlik1;
  QAction* Koniec1;
  QAction* ParametryTransmisji1;
  QAction* PolaczZKasa1;
  QAction* OProgramie1;
  QToolButton* SpeedButton1;
  QToolButton* SpeedButton2;
  QToolButton* SpeedButton3;
  QLabel* Label1;      // "Nazwa pliku bazy:"
  QLabel* LabelNazwa;  // displayed base name
  QTabWidget* PageControl1;
  QListWidget* ListBox1;  // base editing
  QListWidget* ListBox2;  // reports
  QListWidget* ListBox3;  // communication
  QLabel* LabelStatus;    // "BRAK" / "OFFLINE" / "ONLINE"
  QLabel* ImageLink;      // shown in ONLINE with a base file
  QLabel* LabelWaluta;    // current base-currency symbol
  QPushButton* ButtonAuto;
  QPushButton* ButtonPakiet;
  QFrame* PanelSzukanie;
  QLabel* Image1;

  void NowaBazaClick();
  void OtworzClick();
  void ZapiszClick();
  void ParametryTransmisjiClick();
  void PolaczZKasaClick();
  void ButtonAutoClick();
  void OProgramieClick();
  void ButtonPakietClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void buildMenus();
  QWidget* buildCentral();
  QListWidget* buildList(FunctionTab tab);
  void FormKeyDown(int key, bool* handled);
  void showSearchPanel(bool visible);
  void updateServiceButton();

  ShellSession& session_;
  Prompts& prompts_;
  Clock& clock_;
  TUstawieniaTrans* UstawieniaTrans_ = nullptr;
  TNowaBazaD* NowaBazaD_ = nullptr;
  TOProgramie* OProgramie_ = nullptr;
  QHash<QString, std::function<void()>> forms_;
  bool closing_ = false;
};
