#pragma once

#include <QDialog>
#include <QUrl>
#include <functional>

class QLabel;
class QPushButton;

// The About box: program name, version and three contact links.
class TOProgramie : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kSubject = "Orvi Duna v1.50";

  explicit TOProgramie(QWidget* parent = nullptr);

  // A click on a link hands its mailto address here; by default the desktop's
  // mail program opens it.
  void setUrlOpener(std::function<bool(const QUrl&)> opener) { opener_ = std::move(opener); }
  static QUrl mailtoUrl(const QString& address);

  QLabel* Image1;
  QLabel* Label1;
  QLabel* LinkKontakt;
  QLabel* LinkKasa;
  QLabel* LinkProgram;
  QPushButton* Button1;

 private:
  QLabel* addLink(const QString& address);
  void LinkClick(const QString& href);

  std::function<bool(const QUrl&)> opener_;
};
