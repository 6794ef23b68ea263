#include "shell/TMenuGlowne.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/Prompts.h"
#include "shell/ShellResources.h"
#include "shell/ShellSession.h"
#include "shell/TNowaBazaD.h"
#include "shell/TOProgramie.h"
#include "shell/TUstawieniaTrans.h"

namespace {

const FunctionTab kTabs[] = {FunctionTab::Edycja, FunctionTab::Raporty, FunctionTab::Komunikacja};

QLabel* framedValue(QWidget* parent, const QString& name) {
  auto* value = new QLabel(parent);
  value->setObjectName(name);
  value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  value->setMinimumWidth(90);
  value->setAlignment(Qt::AlignCenter);
  QFont bold = value->font();
  bold.setBold(true);
  value->setFont(bold);
  return value;
}

}  // namespace

TMenuGlowne::TMenuGlowne(ShellSession& session, Prompts& prompts, Clock& clock, QWidget* parent)
    : QMainWindow(parent), session_(session), prompts_(prompts), clock_(clock) {
  shell::initResources();
  setObjectName(QStringLiteral("TMenuGlowne"));
  setWindowTitle(QString::fromUtf8(kCaption));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

  buildMenus();
  setCentralWidget(buildCentral());

  UstawieniaTrans_ = new TUstawieniaTrans(session_.link(), this);
  NowaBazaD_ = new TNowaBazaD(session_, this);
  OProgramie_ = new TOProgramie(this);

  qApp->installEventFilter(this);

  // Not resizable: the size the layout needs, centred on the screen.
  adjustSize();
  setFixedSize(sizeHint());
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  RefreshStatus();
}

TMenuGlowne::~TMenuGlowne() {
  qApp->removeEventFilter(this);
}

void TMenuGlowne::buildMenus() {
  QStyle* st = style();
  NowaBaza1 =
      new QAction(st->standardIcon(QStyle::SP_FileIcon), QStringLiteral("&Nowa baza danych"), this);
  OtworzPlik1 = new QAction(st->standardIcon(QStyle::SP_DialogOpenButton),
                            QStringLiteral("&Otwórz plik bazy danych"), this);
  ZapiszPlik1 = new QAction(st->standardIcon(QStyle::SP_DialogSaveButton),
                            QStringLiteral("&Zapisz bazę danych do pliku"), this);
  Koniec1 = new QAction(QStringLiteral("&Koniec"), this);
  ParametryTransmisji1 = new QAction(QStringLiteral("&Parametry transmisji"), this);
  PolaczZKasa1 = new QAction(QStringLiteral("Połącz z &kasą używając ostatnich ustawień"), this);
  OProgramie1 = new QAction(QStringLiteral("&O programie"), this);

  connect(NowaBaza1, &QAction::triggered, this, &TMenuGlowne::NowaBazaClick);
  connect(OtworzPlik1, &QAction::triggered, this, &TMenuGlowne::OtworzClick);
  connect(ZapiszPlik1, &QAction::triggered, this, &TMenuGlowne::ZapiszClick);
  connect(Koniec1, &QAction::triggered, this, &QWidget::close);
  connect(ParametryTransmisji1, &QAction::triggered, this, &TMenuGlowne::ParametryTransmisjiClick);
  connect(PolaczZKasa1, &QAction::triggered, this, &TMenuGlowne::PolaczZKasaClick);
  connect(OProgramie1, &QAction::triggered, this, &TMenuGlowne::OProgramieClick);

  QMenu* plik = menuBar()->addMenu(QStringLiteral("&Plik"));
  plik->addAction(NowaBaza1);
  plik->addAction(OtworzPlik1);
  plik->addAction(ZapiszPlik1);
  plik->addSeparator();
  plik->addAction(Koniec1);
  QMenu* komunikacja = menuBar()->addMenu(QStringLiteral("&Komunikacja"));
  komunikacja->addAction(ParametryTransmisji1);
  komunikacja->addAction(PolaczZKasa1);
  QMenu* pomoc = menuBar()->addMenu(QStringLiteral("P&omoc"));
  pomoc->addAction(OProgramie1);

  QToolBar* tools = addToolBar(QStringLiteral("Narzędzia"));
  tools->setObjectName(QStringLiteral("ToolBar1"));
  tools->setMovable(false);
  tools->setFloatable(false);
  tools->toggleViewAction()->setEnabled(false);
  const struct {
    QToolButton** button;
    QAction* action;
    const char* hint;
  } buttons[] = {{&SpeedButton1, NowaBaza1, "Nowa baza danych"},
                 {&SpeedButton2, OtworzPlik1, "Otwórz bazę danych"},
                 {&SpeedButton3, ZapiszPlik1, "Zapisz"}};
  for (const auto& b : buttons) {
    auto* button = new QToolButton(tools);
    // A button of its own (not the menu action) so that its hint is its own text.
    auto* proxy = new QAction(b.action->icon(), QString::fromUtf8(b.hint), button);
    connect(proxy, &QAction::triggered, b.action, &QAction::trigger);
    button->setDefaultAction(proxy);
    button->setToolTip(QString::fromUtf8(b.hint));
    button->setAccessibleName(QString::fromUtf8(b.hint));
    tools->addWidget(button);
    *b.button = button;
  }
}

QListWidget* TMenuGlowne::buildList(FunctionTab tab) {
  auto* lb = new QListWidget;
  for (int i = 0; i < functions::entryCount(tab); ++i)
    lb->addItem(QString::fromUtf8(functions::entry(tab, i).text));
  lb->setCurrentRow(0);
  QString name = functions::tabTitle(tab);
  lb->setAccessibleName(name.remove(QLatin1Char('&')));
  connect(lb, &QListWidget::itemDoubleClicked, this,
          [this, tab, lb](QListWidgetItem* item) { openEntry(tab, lb->row(item)); });
  return lb;
}

QWidget* TMenuGlowne::buildCentral() {
  auto* central = new QWidget;

  Image1 = new QLabel(central);
  Image1->setPixmap(QPixmap(shell::kRegisterPicture));
  Image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  Image1->setAccessibleName(QStringLiteral("Kasa ORVI DUNA"));

  Label1 = new QLabel(QStringLiteral("Nazwa pliku bazy:"), central);
  LabelNazwa = framedValue(central, QStringLiteral("LabelNazwa"));
  LabelNazwa->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  LabelNazwa->setAccessibleName(QStringLiteral("Nazwa pliku bazy"));
  Label1->setBuddy(LabelNazwa);

  PageControl1 = new QTabWidget(central);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  ListBox1 = buildList(FunctionTab::Edycja);
  ListBox2 = buildList(FunctionTab::Raporty);
  ListBox3 = buildList(FunctionTab::Komunikacja);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox2->setObjectName(QStringLiteral("ListBox2"));
  ListBox3->setObjectName(QStringLiteral("ListBox3"));
  for (FunctionTab tab : kTabs) PageControl1->addTab(list(tab), functions::tabTitle(tab));
  PageControl1->setCurrentIndex(int(FunctionTab::Komunikacja));
  // Wide enough for the longest entry of every list.
  int widest = 0;
  for (FunctionTab tab : kTabs) widest = qMax(widest, list(tab)->sizeHintForColumn(0));
  PageControl1->setMinimumSize(widest + 40, 360);
  connect(PageControl1, &QTabWidget::currentChanged, this, [this](int i) {
    if (QWidget* w = PageControl1->widget(i)) w->setFocus();
  });

  auto* statusCaption = new QLabel(QStringLiteral("Status:"), central);
  LabelStatus = framedValue(central, QStringLiteral("LabelStatus"));
  LabelStatus->setAccessibleName(QStringLiteral("Status"));
  statusCaption->setBuddy(LabelStatus);
  ImageLink = new QLabel(central);
  ImageLink->setObjectName(QStringLiteral("ImageLink"));
  ImageLink->setPixmap(QPixmap(shell::kLinkIcon));
  ImageLink->setAccessibleName(QStringLiteral("Połączenie z kasą i plikiem bazy"));
  ImageLink->setToolTip(ImageLink->accessibleName());
  ImageLink->setFixedSize(24, 24);

  auto* currencyCaption = new QLabel(QStringLiteral("Waluta ewidencyjna:"), central);
  LabelWaluta = framedValue(central, QStringLiteral("LabelWaluta"));
  LabelWaluta->setAccessibleName(QStringLiteral("Waluta ewidencyjna"));
  currencyCaption->setBuddy(LabelWaluta);

  ButtonAuto = new QPushButton(QStringLiteral("&Automatyczne połączenie z kasą    "), central);
  ButtonAuto->setObjectName(QStringLiteral("ButtonAuto"));
  ButtonAuto->setAccessibleName(QStringLiteral("Automatyczne połączenie z kasą"));
  connect(ButtonAuto, &QPushButton::clicked, this, &TMenuGlowne::ButtonAutoClick);
  // Enter on a focused button presses it (the window leaves Enter to buttons).
  ButtonAuto->setAutoDefault(true);
  ButtonPakiet = new QPushButton(QStringLiteral("Programowanie nowego pakietu"), central);
  ButtonPakiet->setObjectName(QStringLiteral("ButtonPakiet"));
  ButtonPakiet->setAutoDefault(true);
  ButtonPakiet->hide();
  connect(ButtonPakiet, &QPushButton::clicked, this, &TMenuGlowne::ButtonPakietClick);

  auto* status = new QHBoxLayout;
  status->addWidget(statusCaption);
  status->addWidget(LabelStatus);
  status->addWidget(ImageLink);
  status->addSpacing(16);
  status->addWidget(currencyCaption);
  status->addWidget(LabelWaluta);
  status->addStretch();

  auto* left = new QVBoxLayout;
  left->addWidget(Image1);
  left->addStretch();
  left->addWidget(ButtonPakiet);
  left->addWidget(ButtonAuto);

  auto* right = new QVBoxLayout;
  right->addWidget(Label1);
  right->addWidget(LabelNazwa);
  right->addWidget(PageControl1, 1);
  right->addLayout(status);

  auto* grid = new QHBoxLayout(central);
  grid->addLayout(left);
  grid->addLayout(right, 1);

  // Shown over the window while the automatic connection searches.
  PanelSzukanie = new QFrame(central);
  PanelSzukanie->setObjectName(QStringLiteral("PanelSzukanie"));
  PanelSzukanie->setFrameStyle(QFrame::Box | QFrame::Raised);
  PanelSzukanie->setLineWidth(2);
  PanelSzukanie->setAutoFillBackground(true);
  auto* searchText = new QLabel(
      QStringLiteral("Trwa wyszukiwanie kas ORVI DUNA podłączonych do tego komputera..."),
      PanelSzukanie);
  QFont bold = searchText->font();
  bold.setBold(true);
  searchText->setFont(bold);
  searchText->setAlignment(Qt::AlignCenter);
  auto* panelLayout = new QVBoxLayout(PanelSzukanie);
  panelLayout->setContentsMargins(24, 24, 24, 24);
  panelLayout->addWidget(searchText);
  PanelSzukanie->hide();

  return central;
}

QListWidget* TMenuGlowne::list(FunctionTab tab) const {
  switch (tab) {
    case FunctionTab::Edycja: return ListBox1;
    case FunctionTab::Raporty: return ListBox2;
    case FunctionTab::Komunikacja: break;
  }
  return ListBox3;
}

void TMenuGlowne::registerForm(const QString& form, std::function<void()> open) {
  forms_[form] = std::move(open);
}

void TMenuGlowne::openEntry(FunctionTab tab, int index) {
  switch (functions::verdict(tab, index, session_.state())) {
    case EntryVerdict::Nothing: return;
    case EntryVerdict::Message:
      prompts_.showMessage(QString::fromUtf8(functions::kNoBaseMessage));
      return;
    case EntryVerdict::Open: break;
  }
  const FunctionEntry& e = functions::entry(tab, index);
  const auto form = forms_.constFind(QString::fromLatin1(e.form));
  if (form == forms_.cend()) return;
  (*form)();
  if (e.refreshAfter) RefreshStatus();
}

void TMenuGlowne::RefreshStatus() {
  const int state = session_.state();
  static const char* const kStatusTexts[] = {"BRAK", "OFFLINE", "ONLINE", "ONLINE"};
  LabelStatus->setText(QString::fromLatin1(kStatusTexts[qBound(0, state, 3)]));
  const bool withBase = state == 1 || state == 3;
  LabelNazwa->setText(session_.baseName());
  // Hidden, not cleared, so the frame keeps its place in the layout.
  QSizePolicy keep = LabelNazwa->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  LabelNazwa->setSizePolicy(keep);
  LabelNazwa->setVisible(withBase);
  if (withBase) LabelWaluta->setText(session_.currency());
  QSizePolicy keepIcon = ImageLink->sizePolicy();
  keepIcon.setRetainSizeWhenHidden(true);
  ImageLink->setSizePolicy(keepIcon);
  ImageLink->setVisible(state == 3);
}

void TMenuGlowne::updateServiceButton() {
  const bool service = session_.serviceBase();
  ButtonPakiet->setVisible(service);
  if (service) ButtonPakiet->setFocus();
}

void TMenuGlowne::NowaBazaClick() {
  if (!session_.askSaveChanges()) return;
  NowaBazaD_->exec();
  updateServiceButton();
  RefreshStatus();
}

void TMenuGlowne::OtworzClick() {
  session_.openBase();
  updateServiceButton();
  RefreshStatus();
}

void TMenuGlowne::ZapiszClick() {
  session_.saveBase();
  RefreshStatus();
}

void TMenuGlowne::ParametryTransmisjiClick() {
  UstawieniaTrans_->exec();
  RefreshStatus();
}

void TMenuGlowne::PolaczZKasaClick() {
  session_.connectLast();
  RefreshStatus();
}

void TMenuGlowne::showSearchPanel(bool visible) {
  if (visible) {
    QWidget* c = centralWidget();
    PanelSzukanie->adjustSize();
    PanelSzukanie->move((c->width() - PanelSzukanie->width()) / 2,
                        (c->height() - PanelSzukanie->height()) / 2);
    PanelSzukanie->raise();
    PanelSzukanie->show();
    PanelSzukanie->repaint();
    // Painted now: the search blocks the window until it ends.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  } else {
    PanelSzukanie->hide();
  }
}

void TMenuGlowne::ButtonAutoClick() {
  showSearchPanel(true);
  session_.autoConnect();
  showSearchPanel(false);
  RefreshStatus();
}

void TMenuGlowne::OProgramieClick() {
  OProgramie_->exec();
}

void TMenuGlowne::ButtonPakietClick() {
  const auto form = forms_.constFind(QStringLiteral("TProgramowanieNowegoPakietu"));
  if (form != forms_.cend()) (*form)();
  RefreshStatus();
}

bool TMenuGlowne::eventFilter(QObject* watched, QEvent* event) {
  // The window sees keys before its controls, as long as the key is meant for it
  // and not for one of its modal dialogs.
  if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this &&
      QApplication::activeModalWidget() == nullptr) {
    auto* key = static_cast<QKeyEvent*>(event);
    bool handled = false;
    if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier)
      FormKeyDown(key->key(), &handled);
    if (handled) return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TMenuGlowne::FormKeyDown(int key, bool* handled) {
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    // Enter on a focused push button presses that button instead.
    if (qobject_cast<QPushButton*>(QApplication::focusWidget()) != nullptr) return;
    const auto tab = static_cast<FunctionTab>(PageControl1->currentIndex());
    *handled = true;
    openEntry(tab, list(tab)->currentRow());
  } else if (key == Qt::Key_Escape) {
    *handled = true;
    if (prompts_.askYesNo(QString::fromUtf8(kExitQuestion), windowTitle(), PromptIcon::Question))
      close();
  }
}

void TMenuGlowne::closeEvent(QCloseEvent* event) {
  if (closing_) {
    event->accept();
    return;
  }
  if (!session_.mayExit()) {
    event->ignore();
    return;
  }
  closing_ = true;
  session_.finish();
  event->accept();
}

void TMenuGlowne::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  RefreshStatus();
}

bool TMenuGlowne::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) RefreshStatus();
  return QMainWindow::event(event);
}
