#include "shell/TOProgramie.h"

#include <QDesktopServices>
#include <QFormLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QUrlQuery>
#include <QVBoxLayout>

#include "shell/ShellResources.h"

namespace {

// Addresses of the project's own domain; none names a person.
const char* const kGeneralAddress = "kontakt@orvi-duna.example";
const char* const kRegisterAddress = "kasa@orvi-duna.example";
const char* const kProgramAddress = "serwis@orvi-duna.example";

}  // namespace

TOProgramie::TOProgramie(QWidget* parent)
    : QDialog(parent), opener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
  shell::initResources();
  setObjectName(QStringLiteral("TOProgramie"));
  setWindowTitle(QStringLiteral("ORVI DUNA"));
  setModal(true);

  Image1 = new QLabel(this);
  Image1->setPixmap(QPixmap(shell::kLogoPicture));
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setAccessibleName(QStringLiteral("Logo ORVI DUNA"));

  Label1 = new QLabel(QStringLiteral("ORVI DUNA v1.50"), this);
  QFont big = Label1->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.3);
  Label1->setFont(big);
  Label1->setAlignment(Qt::AlignCenter);

  LinkKontakt = addLink(QString::fromLatin1(kGeneralAddress));
  LinkKasa = addLink(QString::fromLatin1(kRegisterAddress));
  LinkProgram = addLink(QString::fromLatin1(kProgramAddress));

  auto* links = new QFormLayout;
  const auto addRow = [&](const QString& caption, QLabel* link) {
    auto* label = new QLabel(caption, this);
    label->setBuddy(link);
    link->setAccessibleName(caption + QLatin1Char(' ') + link->text());
    links->addRow(label, link);
  };
  addRow(QStringLiteral("Kontakt:"), LinkKontakt);
  addRow(QStringLiteral("Pytania i uwagi dotyczące kasy Orvi Duna:"), LinkKasa);
  addRow(QStringLiteral("Pytania i uwagi dotyczące programu serwisowego:"), LinkProgram);

  Button1 = new QPushButton(QStringLiteral("Powrót"), this);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Image1);
  layout->addWidget(Label1);
  layout->addLayout(links);
  layout->addWidget(Button1, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QUrl TOProgramie::mailtoUrl(const QString& address) {
  QUrl url;
  url.setScheme(QStringLiteral("mailto"));
  url.setPath(address);
  QUrlQuery query;
  query.addQueryItem(QStringLiteral("subject"), QString::fromLatin1(kSubject));
  url.setQuery(query);
  return url;
}

QLabel* TOProgramie::addLink(const QString& address) {
  auto* link = new QLabel(this);
  link->setTextFormat(Qt::RichText);
  link->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(address));
  link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  link->setFocusPolicy(Qt::StrongFocus);
  link->setCursor(Qt::PointingHandCursor);
  link->setOpenExternalLinks(false);
  connect(link, &QLabel::linkActivated, this, &TOProgramie::LinkClick);
  return link;
}

void TOProgramie::LinkClick(const QString& href) {
  if (opener_) opener_(mailtoUrl(href));
}
