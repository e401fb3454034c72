// The program started with a file on its command line (as a file manager
// starts it): the file opens after start-up with the open command's messages.
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include "case/falldatei.h"
#include "shell/falldialoge.h"
#include "shell/kommandozeile.h"
#include "shell/tf_globmain.h"
#include "shell/tform13.h"
#include "testpfade.h"
#include "testumgebung.h"

using namespace quarnel;
using namespace quarnel::gui;
using namespace testumgebung;

namespace {

struct Start : Schaltdienste {
    Umgebung umg;
    std::unique_ptr<TF_GlobMain> haupt;

    // Starts the main window with the command line `parameter` and waits for
    // the end of its first painting.
    explicit Start(const std::vector<std::string>& parameter) {
        haupt = std::make_unique<TF_GlobMain>(KommandozeileAuswerten(parameter), umg.pfade,
                                              ShellDienste{&senke, &dialoge, &uhr, &desktop});
        QSignalSpy fertig(haupt.get(), &TF_GlobMain::ersteAnzeigeFertig);
        haupt->show();
        QTRY_COMPARE(fertig.count(), 1);
    }
    bool An(const char* name) const {
        return haupt->Aktion(QString::fromLatin1(name))->isEnabled();
    }
};

QByteArray Beispiel() {
    QFile f(QStringLiteral(QUARNEL_DATA_DIR "/beispiele/Beispiel.S01"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Schreiben(const QString& pfad, const QByteArray& b) {
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(b);
}

}  // namespace

class StartdateiTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        Tform13::AnimationAn() = false;
        QCOMPARE(Beispiel().size(), qsizetype(FallDateiGroesse));
    }

    void fall_oeffnet_nach_dem_start() {
        QTemporaryDir d;
        // A directory with capitals: they must not switch on test mode or "F".
        const QString pfad = d.path() + QStringLiteral("/Tom Fischer/Steuerfall 2001.S01");
        QVERIFY(QDir().mkpath(d.path() + QStringLiteral("/Tom Fischer")));
        Schreiben(pfad, Beispiel());
        Start s({"S-", pfad.toStdString()});
        QVERIFY(!s.haupt->Schalter().testmodus);
        QVERIFY(EnthaeltText(s.senke, "Steuerfall wurde geöffnet."));
        QVERIFY(s.dialoge.anfragen.empty());  // no open dialog
        QCOMPARE(s.haupt->Fallzustand(), 2);
        QCOMPARE(s.haupt->DateiAnzeige(), QStringLiteral("Steuerfall 2001.S01"));
        QCOMPARE(s.haupt->Fall().Zustand().dateiname, pfad.toStdString());
        QVERIFY(s.An("D_SpeichernItem"));
        QVERIFY(!s.haupt->FallVeraendert());
        s.haupt->close();
    }

    void abgeschnittene_datei_wird_abgelehnt() {
        QTemporaryDir d;
        const QString pfad = d.path() + QStringLiteral("/kurz.S01");
        Schreiben(pfad, Beispiel().left(5000));  // the signature, but far too short

        Start s({pfad.toStdString()});
        QCOMPARE(s.senke.protokoll.back().text,
                 std::string("Schwerer Lesefehler - Datendatei eventuell unbrauchbar"));
        QVERIFY(!EnthaeltText(s.senke, "Steuerfall wurde geöffnet."));
        QVERIFY(s.haupt->isVisible());
        QCOMPARE(s.haupt->Fallzustand(), 0);  // still no case
        QVERIFY(!s.An("D_SpeichernItem"));
        QCOMPARE(QFileInfo(pfad).size(), qint64(5000));  // the file is left alone
        // The program goes on: a new case can be made.
        s.haupt->D_NeuItemClick();
        QCOMPARE(s.haupt->Fallzustand(), 1);
        s.haupt->close();
    }

    void fremde_und_fehlende_dateien() {
        QTemporaryDir d;
        const QString text = d.path() + QStringLiteral("/brief.txt");
        Schreiben(text, Beispiel());
        {
            Start s({text.toStdString()});
            QCOMPARE(s.senke.protokoll.back().text,
                     std::string("Fehler: Nur Dateien mit der Endung (.S01/S00) können geöffnet "
                                 "werden!"));
            QCOMPARE(s.haupt->Fallzustand(), 0);
            s.haupt->close();
        }
        const std::string fehlt = (d.path() + QStringLiteral("/weg.S01")).toStdString();
        Start s({fehlt});
        QCOMPARE(s.senke.protokoll.back().text, "Datei nicht gefunden: " + fehlt);
        QCOMPARE(s.haupt->Fallzustand(), 0);
        s.haupt->close();
    }

    void vorjahresdatei_wird_uebernommen() {
        QTemporaryDir d;
        QByteArray alt(static_cast<qsizetype>(VorjahrDateiGroesse), '\0');
        alt[0] = 8;
        alt.replace(1, 8, "S00VER10");
        const QString pfad = d.path() + QStringLiteral("/Fall.S00");
        Schreiben(pfad, alt);
        int gezeigt = 0;
        BeiModal([&](QWidget* w) {
            auto* dlg = qobject_cast<TxVorjahr*>(w);
            QVERIFY(dlg);
            ++gezeigt;
            dlg->OKClick();
        });
        Start s({pfad.toStdString()});
        QCOMPARE(gezeigt, 1);
        QVERIFY(EnthaeltText(s.senke, "Daten des Vorjahres werden übernommen."));
        QCOMPARE(s.haupt->DateiAnzeige(), QStringLiteral("Fall.S01"));
        QCOMPARE(s.haupt->Fallzustand(), 2);
        s.haupt->close();
    }
};

QTEST_MAIN(StartdateiTest)
#include "startdatei.moc"
