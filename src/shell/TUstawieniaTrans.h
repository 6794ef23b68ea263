#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class TRegisterLink;

// The transmission settings: port, line settings and register address.
// Applying opens the chosen port; the connection state follows from whether
// it is open.
class TUstawieniaTrans : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kNoPortRow = 0;
  static constexpr int kAddressCount = 9;

  explicit TUstawieniaTrans(TRegisterLink& link, QWidget* parent = nullptr);

  // Port number of a list entry ("COM 12" -> 12); 255 for "Brak".
  static int portOfEntry(const QString& text);
  static QString entryOfPort(int port);

  QComboBox* ComboBox1;  // port
  QCheckBox* CheckBox1;  // only ports that open
  QGroupBox* GroupBox1;  // serial line
  QComboBox* ComboBox2;  // baud
  QComboBox* ComboBox3;  // data bits
  QComboBox* ComboBox4;  // parity
  QComboBox* ComboBox5;  // stop bits
  QGroupBox* GroupBox2;  // flow control
  QCheckBox* CheckBox2;  // Xon / Xoff
  QCheckBox* CheckBox3;  // RTS / CTS
  QComboBox* ComboBox6;  // register address
  QPushButton* Button1;  // Zastosuj
  QPushButton* Button2;  // Zamknij

  void Button1Click();
  void CheckBox1Click();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void loadControls();
  void fillAllPorts();
  void selectPort(int port);
  void enableLineControls();

  TRegisterLink& link_;
};
