#include "sim/SimOptions.h"

#include "platform/PortNames.h"

namespace sim {

namespace {

bool ToInt(const QString& s, int lo, int hi, int* out) {
  bool ok = false;
  const int v = s.toInt(&ok);
  if (!ok || v < lo || v > hi) return false;
  *out = v;
  return true;
}

}  // namespace

QString DefaultPortDirectory() {
  // Where the program looks for COM<n> links, so the two always meet.
  return ports::portDirectory();
}

bool PreferEnglish() {
  for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QString v = qEnvironmentVariable(var);
    if (!v.isEmpty()) return v.startsWith(QLatin1String("en"));
  }
  return false;
}

SimOptions ParseOptions(const QStringList& args) {
  SimOptions o;
  o.portDir = DefaultPortDirectory();
  auto fail = [&o](const QString& why) {
    if (o.error.isEmpty()) o.error = why;
  };
  for (int i = 0; i < args.size(); ++i) {
    QString name = args[i];
    QString inlineValue;
    bool hasInline = false;
    if (const qsizetype eq = name.indexOf(QLatin1Char('='));
        name.startsWith(QLatin1String("--")) && eq > 0) {
      inlineValue = name.mid(eq + 1);
      name = name.left(eq);
      hasInline = true;
    }
    auto value = [&]() -> QString {
      if (hasInline) return inlineValue;
      if (i + 1 >= args.size()) {
        fail(QStringLiteral("brak wartości opcji %1").arg(name));
        return {};
      }
      return args[++i];
    };
    auto number = [&](int lo, int hi, int* out) {
      const QString v = value();
      if (!v.isEmpty() && !ToInt(v, lo, hi, out))
        fail(QStringLiteral("zła wartość opcji %1: %2").arg(name, v));
    };
    // Faults for one frame take an optional "=N": the N-th frame instead of the next.
    auto oneShot = [&](OneShot& shot, int code = 0) {
      int at = 1;
      if (hasInline && !ToInt(inlineValue, 1, 1000000, &at))
        fail(QStringLiteral("zła wartość opcji %1: %2").arg(name, inlineValue));
      shot.arm(at, code);
    };
    int n = 0;
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
      o.help = true;
    } else if (name == QLatin1String("--port-dir")) {
      o.portDir = value();
    } else if (name == QLatin1String("--com")) {
      number(ports::kFirstPort, ports::kLastPort, &o.com);
    } else if (name == QLatin1String("--demo")) {
      o.demo = true;
    } else if (name == QLatin1String("--paper")) {
      o.paperFile = value();
    } else if (name == QLatin1String("--journal")) {
      o.journalFile = value();
    } else if (name == QLatin1String("--address")) {
      number(1, 9, &n);
      o.engine.address = quint8(n ? n : 1);
    } else if (name == QLatin1String("--baud")) {
      number(110, 4000000, &o.engine.baud);
    } else if (name == QLatin1String("--print-ms")) {
      number(0, 600000, &n);
      o.engine.printMs = n;
    } else if (name == QLatin1String("--confirm-ms")) {
      number(0, 600000, &n);
      o.engine.confirmMs = n;
    } else if (name == QLatin1String("--not-ready-ms")) {
      number(0, 600000, &n);
      o.engine.notReadyMs = n;
    } else if (name == QLatin1String("--ack-zero")) {
      o.engine.completionStatus = false;
    } else if (name == QLatin1String("--info")) {
      const QString v = value();
      if (v == QLatin1String("short"))
        o.engine.longInfo = false;
      else if (v == QLatin1String("long"))
        o.engine.longInfo = true;
      else
        fail(QStringLiteral("zła wartość opcji --info: %1 (short albo long)").arg(v));
    } else if (name == QLatin1String("--paper-out")) {
      o.faults.paperOut = true;
    } else if (name == QLatin1String("--paper-refill-ms")) {
      number(1, 600000, &n);
      o.faults.paperRefillMs = n;
    } else if (name == QLatin1String("--not-ready")) {
      number(1, 1000000, &o.faults.notReadyFrames);
    } else if (name == QLatin1String("--busy-ms")) {
      number(1, 600000, &n);
      o.faults.busyMs = n;
    } else if (name == QLatin1String("--error")) {
      // K or K@N
      const QString v = value();
      const QStringList parts = v.split(QLatin1Char('@'));
      int code = 0, at = 1;
      if (!ToInt(parts.value(0), 0, 255, &code) ||
          (parts.size() > 1 && !ToInt(parts.value(1), 1, 1000000, &at)) || parts.size() > 2)
        fail(QStringLiteral("zła wartość opcji --error: %1 (KOD albo KOD@N)").arg(v));
      o.faults.error.arm(at, code);
    } else if (name == QLatin1String("--bad-checksum")) {
      oneShot(o.faults.badChecksum);
    } else if (name == QLatin1String("--short")) {
      oneShot(o.faults.shortAnswer);
    } else if (name == QLatin1String("--silent")) {
      oneShot(o.faults.silence);
    } else {
      fail(QStringLiteral("nieznana opcja: %1").arg(args[i]));
    }
  }
  return o;
}

QString HelpText(bool english) {
  if (english)
    return QStringLiteral(
        "duna-sim - simulated Duna fiscal register on a pseudo-terminal\n"
        "\n"
        "Usage: duna-sim [options]\n"
        "\n"
        "Opens a pseudo-terminal, links it as COM<n> in the port folder and prints one line\n"
        "\"COM<n> <device>\" on standard output when ready. Serves until SIGINT or SIGTERM,\n"
        "then removes the link. Lines typed on standard input control it (type \"help\").\n"
        "\n"
        "  --port-dir DIR       port folder (default: $DUNA_PORT_DIR, else\n"
        "                       $XDG_RUNTIME_DIR/duna-ports, else ~/.local/share/duna/ports)\n"
        "  --com N              port number 1..99 (default: the first free one)\n"
        "  --address N          register address 1..9 (default 1)\n"
        "  --demo               start with a filled register (goods with sales, cashiers, ...)\n"
        "  --paper FILE         append what the register prints (UTF-8 text)\n"
        "  --journal FILE       append one line per frame: RX (from the PC) or TX, then hex bytes\n"
        "  --baud B             pace every byte at the line rate (10 bits per byte)\n"
        "  --print-ms MS        how long a report prints (default 800)\n"
        "  --confirm-ms MS      keyboard confirmation delay (default 1000)\n"
        "  --info short|long    information frame of 115 or 124 bytes (default long)\n"
        "  --ack-zero           answer status 0 where the register would report completion\n"
        "Faults:\n"
        "  --paper-out          paper is out: printing commands are answered \"paper out\"\n"
        "  --paper-refill-ms MS the paper comes back after MS (otherwise type \"paper\")\n"
        "  --not-ready N        the next N commands are first answered \"not ready\"\n"
        "  --not-ready-ms MS    until the real answer follows (default 300)\n"
        "  --busy-ms MS         every command answered \"busy\", carried out MS later\n"
        "  --error K[@N]        answer the next (or the N-th) command with error code K\n"
        "  --bad-checksum[=N]   a wrong checksum on the next (or the N-th) answer\n"
        "  --short[=N]          cut the next (or the N-th) answer short\n"
        "  --silent[=N]         do not answer the next (or the N-th) command\n"
        "  --help               this text (Polish unless the locale is English)\n");
  return QStringLiteral(
      "duna-sim - symulowana kasa fiskalna Duna na pseudoterminalu\n"
      "\n"
      "Użycie: duna-sim [opcje]\n"
      "\n"
      "Otwiera pseudoterminal, dowiązuje go jako COM<n> w folderze portów i po przygotowaniu\n"
      "wypisuje jeden wiersz \"COM<n> <urządzenie>\" na standardowe wyjście. Działa do SIGINT\n"
      "lub SIGTERM, potem usuwa dowiązanie. Wiersze ze standardowego wejścia sterują kasą\n"
      "(wpisz \"pomoc\").\n"
      "\n"
      "  --port-dir FOLDER    folder portów (domyślnie $DUNA_PORT_DIR, inaczej\n"
      "                       $XDG_RUNTIME_DIR/duna-ports, inaczej ~/.local/share/duna/ports)\n"
      "  --com N              numer portu 1..99 (domyślnie pierwszy wolny)\n"
      "  --address N          adres kasy 1..9 (domyślnie 1)\n"
      "  --demo               kasa wypełniona danymi (towary ze sprzedażą, kasjerzy, ...)\n"
      "  --paper PLIK         dopisuje to, co kasa drukuje (tekst UTF-8)\n"
      "  --journal PLIK       dopisuje wiersz na ramkę: RX (od PC) lub TX, potem bajty "
      "szesnastkowo\n"
      "  --baud B             każdy bajt trwa tyle, co na łączu (10 bitów na bajt)\n"
      "  --print-ms MS        czas drukowania raportu (domyślnie 800)\n"
      "  --confirm-ms MS      czas potwierdzenia z klawiatury kasy (domyślnie 1000)\n"
      "  --info short|long    ramka informacyjna 115 lub 124 bajty (domyślnie long)\n"
      "  --ack-zero           status 0 zamiast statusu zakończenia operacji\n"
      "Usterki:\n"
      "  --paper-out          brak papieru: polecenia drukujące dostają \"brak papieru\"\n"
      "  --paper-refill-ms MS papier wraca po MS (inaczej wpisz \"papier\")\n"
      "  --not-ready N        następne N poleceń najpierw dostaje \"kasa niegotowa\"\n"
      "  --not-ready-ms MS    po ilu ms przychodzi właściwa odpowiedź (domyślnie 300)\n"
      "  --busy-ms MS         każde polecenie: \"kasa zajęta\", wykonanie po MS\n"
      "  --error K[@N]        następne (lub N-te) polecenie dostaje błąd o kodzie K\n"
      "  --bad-checksum[=N]   zła suma kontrolna następnej (lub N-tej) odpowiedzi\n"
      "  --short[=N]          następna (lub N-ta) odpowiedź ucięta\n"
      "  --silent[=N]         brak odpowiedzi na następne (lub N-te) polecenie\n"
      "  --help               ten tekst (po angielsku przy angielskich ustawieniach języka)\n");
}

}  // namespace sim
