#include "shell/TUstawieniaTrans.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>

#include "link/TRegisterLink.h"
#include "platform/PortNames.h"

namespace {

const char* const kPortPrefix = "COM ";
const char* const kParities[] = {"Brak ", "Nieparzyste", "Parzyste", "Znacznik", "Odstęp"};
const char* const kStopBits[] = {"1", "1.5", "2"};
constexpr int kFirstByteSize = 5;
constexpr int kLastByteSize = 8;
const QString kDefaultBaud = QStringLiteral("115200");

QComboBox* addCombo(QWidget* parent, QFormLayout* form, const QString& caption,
                    const QString& objectName) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(objectName);
  auto* label = new QLabel(caption, parent);
  label->setBuddy(combo);
  QString plain = caption;
  combo->setAccessibleName(plain.remove(QLatin1Char('&')));
  form->addRow(label, combo);
  return combo;
}

}  // namespace

TUstawieniaTrans::TUstawieniaTrans(TRegisterLink& link, QWidget* parent)
    : QDialog(parent), link_(link) {
  setObjectName(QStringLiteral("TUstawieniaTrans"));
  setWindowTitle(QStringLiteral("Parametry transmisji"));

  auto* heading = new QLabel(QStringLiteral("Ustawienia parametrów transmisji"), this);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);

  auto* portForm = new QFormLayout;
  ComboBox1 = addCombo(this, portForm, QStringLiteral("&Nr portu"), QStringLiteral("ComboBox1"));
  CheckBox1 = new QCheckBox(QStringLiteral("&Pokazuj tylko dostępne porty"), this);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  portForm->addRow(CheckBox1);

  GroupBox1 = new QGroupBox(QStringLiteral("Ustawienia portu szeregowego"), this);
  auto* lineForm = new QFormLayout(GroupBox1);
  ComboBox2 = addCombo(GroupBox1, lineForm, QStringLiteral("&Liczba bitów na sekunde"),
                       QStringLiteral("ComboBox2"));
  for (quint32 baud : kBaudRates) ComboBox2->addItem(QString::number(baud));
  ComboBox3 = addCombo(GroupBox1, lineForm, QStringLiteral("&Ilość bitów danych"),
                       QStringLiteral("ComboBox3"));
  for (int bits = kFirstByteSize; bits <= kLastByteSize; ++bits)
    ComboBox3->addItem(QString::number(bits));
  ComboBox4 =
      addCombo(GroupBox1, lineForm, QStringLiteral("P&arzystość"), QStringLiteral("ComboBox4"));
  for (const char* p : kParities) ComboBox4->addItem(QString::fromUtf8(p));
  ComboBox5 =
      addCombo(GroupBox1, lineForm, QStringLiteral("&Bity stopu"), QStringLiteral("ComboBox5"));
  for (const char* s : kStopBits) ComboBox5->addItem(QString::fromLatin1(s));

  GroupBox2 = new QGroupBox(QStringLiteral("Sterowanie przepływem"), this);
  auto* flow = new QHBoxLayout(GroupBox2);
  CheckBox2 = new QCheckBox(QStringLiteral("&Xon / Xoff"), GroupBox2);
  CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
  CheckBox3 = new QCheckBox(QStringLiteral("&RTS / CTS"), GroupBox2);
  CheckBox3->setObjectName(QStringLiteral("CheckBox3"));
  flow->addWidget(CheckBox2);
  flow->addWidget(CheckBox3);

  auto* addressForm = new QFormLayout;
  ComboBox6 =
      addCombo(this, addressForm, QStringLiteral("Adres &kasy"), QStringLiteral("ComboBox6"));
  for (int a = 1; a <= kAddressCount; ++a) ComboBox6->addItem(QString::number(a));

  auto* buttons = new QDialogButtonBox(this);
  Button1 = buttons->addButton(QStringLiteral("&Zastosuj"), QDialogButtonBox::ApplyRole);
  Button2 = buttons->addButton(QStringLiteral("Za&mknij"), QDialogButtonBox::RejectRole);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &TUstawieniaTrans::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addLayout(portForm);
  layout->addWidget(GroupBox1);
  layout->addWidget(GroupBox2);
  layout->addLayout(addressForm);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  fillAllPorts();
  ComboBox1->setCurrentIndex(kNoPortRow);
  ComboBox2->setCurrentText(kDefaultBaud);
  ComboBox3->setCurrentIndex(kLastByteSize - kFirstByteSize);
  ComboBox4->setCurrentIndex(0);
  ComboBox5->setCurrentIndex(0);
  ComboBox6->setCurrentIndex(0);
  enableLineControls();

  connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TUstawieniaTrans::enableLineControls);
  connect(CheckBox1, &QCheckBox::clicked, this, &TUstawieniaTrans::CheckBox1Click);
}

int TUstawieniaTrans::portOfEntry(const QString& text) {
  const QString prefix = QString::fromLatin1(kPortPrefix);
  if (!text.startsWith(prefix)) return TPortSettings::kNoPort;
  bool ok = false;
  const int port = text.mid(prefix.size()).toInt(&ok);
  return ok && port >= ports::kFirstPort && port <= ports::kLastPort ? port
                                                                     : TPortSettings::kNoPort;
}

QString TUstawieniaTrans::entryOfPort(int port) {
  return QString::fromLatin1(kPortPrefix) + QString::number(port);
}

void TUstawieniaTrans::fillAllPorts() {
  ComboBox1->clear();
  ComboBox1->addItem(QStringLiteral("Brak"));
  for (int p = ports::kFirstPort; p <= ports::kLastPort; ++p) ComboBox1->addItem(entryOfPort(p));
}

void TUstawieniaTrans::selectPort(int port) {
  // By the entry's text, so that a list of only the ports that open still
  // finds the current one.
  const int row = port == TPortSettings::kNoPort ? -1 : ComboBox1->findText(entryOfPort(port));
  ComboBox1->setCurrentIndex(row < 0 ? kNoPortRow : row);
}

void TUstawieniaTrans::enableLineControls() {
  const bool portChosen = ComboBox1->currentIndex() > kNoPortRow;
  for (QWidget* w : {static_cast<QWidget*>(GroupBox1), static_cast<QWidget*>(GroupBox2)})
    w->setEnabled(portChosen);
}

void TUstawieniaTrans::loadControls() {
  const TPortSettings& s = link_.PortSettings;
  selectPort(s.Port);
  const int baud = ComboBox2->findText(QString::number(s.BaudRate));
  if (baud >= 0) ComboBox2->setCurrentIndex(baud);
  if (s.ByteSize >= kFirstByteSize && s.ByteSize <= kLastByteSize)
    ComboBox3->setCurrentIndex(s.ByteSize - kFirstByteSize);
  if (s.Parity < std::size(kParities)) ComboBox4->setCurrentIndex(s.Parity);
  if (s.StopBits < std::size(kStopBits)) ComboBox5->setCurrentIndex(s.StopBits);
  CheckBox2->setChecked(s.XonXoff != 0);
  CheckBox3->setChecked(s.RtsCts != 0);
  enableLineControls();
}

void TUstawieniaTrans::showEvent(QShowEvent* event) {
  link_.SaveSettings();
  loadControls();
  QDialog::showEvent(event);
}

void TUstawieniaTrans::CheckBox1Click() {
  ComboBox1->blockSignals(true);
  if (CheckBox1->isChecked()) {
    link_.ClosePort();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ComboBox1->clear();
    ComboBox1->addItem(QStringLiteral("Brak"));
    for (int p = ports::kFirstPort; p <= ports::kLastPort; ++p) {
      link_.PortSettings.Port = quint8(p);
      if (link_.OpenPort(false) == 0) ComboBox1->addItem(entryOfPort(p));
      link_.ClosePort();
    }
    QApplication::restoreOverrideCursor();
    // No port stays chosen until the user applies one.
    link_.PortSettings.Port = TPortSettings::kNoPort;
  } else {
    fillAllPorts();
  }
  ComboBox1->setCurrentIndex(ComboBox1->count() > 1 ? 1 : kNoPortRow);
  ComboBox1->blockSignals(false);
  enableLineControls();
}

void TUstawieniaTrans::Button1Click() {
  const int port = portOfEntry(ComboBox1->currentText());
  link_.ClosePort();
  if (port == TPortSettings::kNoPort) {
    link_.PortSettings.Port = TPortSettings::kNoPort;
    accept();
    return;
  }
  TPortSettings& s = link_.PortSettings;
  s.Port = quint8(port);
  s.BaudRate = ComboBox2->currentText().toUInt();
  s.ByteSize = quint8(kFirstByteSize + ComboBox3->currentIndex());
  s.Parity = quint8(ComboBox4->currentIndex());
  s.StopBits = quint8(ComboBox5->currentIndex());
  s.XonXoff = CheckBox2->isChecked() ? 1 : 0;
  s.RtsCts = CheckBox3->isChecked() ? 1 : 0;
  if (link_.OpenPort(true) == 0) {
    link_.RegisterAddress = quint8(1 + ComboBox6->currentIndex());
    accept();
    return;
  }
  link_.RestoreSettings();
  loadControls();
  if (link_.PortSettings.hasPort()) link_.OpenPort(true);
}
