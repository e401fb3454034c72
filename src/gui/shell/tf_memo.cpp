#include "shell/tf_memo.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

#include "case/zeichensatz.h"
#include "print/druckausgabe.h"
#include "shell/notiz.h"

namespace quarnel::gui {

namespace {
QString U(const std::string& s) {
    return QString::fromStdString(s);
}
}  // namespace

void NotizDrucken(Druckausgabe& druck, const std::vector<std::string>& zeilen, bool vorschau) {
    ResultLines text;
    text.reserve(zeilen.size());
    for (const std::string& z : zeilen) text.push_back(Utf8ZuCp1252(z));
    druck.daten.notizen = &text;
    druck.DruckAusgabe(static_cast<int>(Druckart::Notizen), 0, false, !vorschau);
    druck.daten.notizen = nullptr;
}

TF_Memo::TF_Memo(QWidget* hauptfenster, CaseRecord& satz, Notizblock& notizen, int bereich,
                 int seite, Meldungen& meldungen, int schriftGroesse)
    : Tform13(hauptfenster, 560),
      satz_(satz),
      notizen_(notizen),
      bereich_(bereich),
      seite_(seite),
      meldungen_(meldungen) {
    setObjectName(QStringLiteral("TF_Memo"));
    resize(552, 393);

    Editor1 = new QPlainTextEdit(this);
    Editor1->setObjectName(QStringLiteral("Editor1"));
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::Monospace);
    f.setPointSize(std::max(6, schriftGroesse + 1));
    Editor1->setFont(f);
    Editor1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));

    auto knopf = [this](const char* name, const char* text) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    OkBtn = knopf("OkBtn", "&OK");
    CancelBtn = knopf("CancelBtn", "&Abbruch");
    HelpBtn = knopf("HelpBtn", "&Hilfe");
    LoeschenBtn = knopf("LoeschenBtn", "&Löschen");
    KopierenBtn = knopf("KopierenBtn", "&Kopieren");
    DruckBtn = knopf("DruckBtn", "&Drucken");
    LoeschenBtn->setToolTip(QStringLiteral("Notiz löschen"));
    KopierenBtn->setToolTip(QStringLiteral("Notiz in Zwischenablage kopieren"));
    DruckBtn->setToolTip(QStringLiteral("Notiz drucken"));

    auto* zaehler = new QHBoxLayout;
    zaehler->addWidget(Label1);
    zaehler->addStretch();
    zaehler->addWidget(Label2);
    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* b : {OkBtn, CancelBtn, HelpBtn, LoeschenBtn, KopierenBtn, DruckBtn})
        knoepfe->addWidget(b);
    auto* l = new QVBoxLayout(this);
    l->addWidget(Editor1, 1);
    l->addLayout(zaehler);
    l->addLayout(knoepfe);

    connect(OkBtn, &QPushButton::clicked, this, &TF_Memo::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &TF_Memo::reject);
    connect(HelpBtn, &QPushButton::clicked, this, [this] {
        if (hilfe) hilfe();
        Editor1->setFocus();
    });
    connect(LoeschenBtn, &QPushButton::clicked, this, [this] {
        Editor1->clear();
        Editor1->document()->setModified(true);
        ZaehlerAktualisieren();
    });
    connect(KopierenBtn, &QPushButton::clicked, this, [this] {
        Editor1->selectAll();
        Editor1->copy();
        QTextCursor c = Editor1->textCursor();
        c.movePosition(QTextCursor::Start);
        Editor1->setTextCursor(c);
    });
    connect(DruckBtn, &QPushButton::clicked, this, [this] {
        std::vector<std::string> zeilen;
        for (QTextBlock b = Editor1->document()->begin(); b.isValid(); b = b.next())
            zeilen.push_back(b.text().toStdString());
        if (drucken)
            drucken(zeilen);
        else
            meldungen_.Zeige(MeldungsTyp::Information,
                             "Diese Funktion steht in dieser Programmversion noch nicht zur "
                             "Verfügung.");
    });
    connect(Editor1, &QPlainTextEdit::textChanged, this, &TF_Memo::TextGeaendert);

    // The window's pop-up menu.
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        QMenu m(this);
        m.addAction(QStringLiteral("Druck Seite"), this, [this] {
            if (fensterDrucken) fensterDrucken(this);
        });
        m.addAction(QStringLiteral("Kalender"));
        m.addAction(QStringLiteral("Taschenrechner"));
        m.exec(mapToGlobal(p));
    });
}

void TF_Memo::showEvent(QShowEvent* e) {
    Tform13::showEvent(e);
    // The note is loaded once, when the window opens.
    if (!geoeffnet_) {
        geoeffnet_ = true;
        Oeffnen();
    }
}

void TF_Memo::Oeffnen() {
    OkBtn->setToolTip(QStringLiteral("Notiz speichern und Fenster schließen"));
    CancelBtn->setToolTip(QStringLiteral("Abbruch der\nEingabe"));
    HelpBtn->setToolTip(QStringLiteral("Hilfetext"));
    // Opening claims no entry: a page takes its entry only when a text is stored.
    const NotizOeffnung o = NotizOeffnen(notizen_, bereich_, seite_);
    eintrag_ = o.eintrag;
    Editor1->clear();
    if (eintrag_ == 0) {
        keinEintrag_ = true;
        meldungen_.Zeige(MeldungsTyp::Fehler, "Keine freie Notiz verfügbar!");
        Editor1->setPlainText(QStringLiteral("Notiz nicht abspeicherbar!"));
        Editor1->setReadOnly(true);
    } else {
        Editor1->setPlainText(U(o.text));
    }
    Editor1->document()->setModified(false);
    setWindowTitle(U(NotizTitel(eintrag_)));
    ZaehlerAktualisieren();
    Editor1->setFocus();
}

void TF_Memo::ZaehlerAktualisieren() {
    const std::string text = Editor1->toPlainText().toStdString();
    Label1->setText(U(NotizBelegtText(text)));
    Label2->setText(U(NotizZeilenText(Editor1->document()->blockCount())));
}

void TF_Memo::TextGeaendert() {
    if (kuerzt_) return;
    // The limit counts stored bytes: a line break takes two.
    const std::string text = Editor1->toPlainText().toStdString();
    if (!keinEintrag_ && NotizBytes(text) > static_cast<std::size_t>(Notizblock::MaxZeichen)) {
        kuerzt_ = true;
        QTextCursor c = Editor1->textCursor();
        const int pos = c.position();
        QTextCursor alles(Editor1->document());
        alles.select(QTextCursor::Document);
        alles.insertText(U(NotizKuerzen(text)));  // keeps the modified mark and the undo
        c.setPosition(std::min(pos, Editor1->document()->characterCount() - 1));
        Editor1->setTextCursor(c);
        kuerzt_ = false;
        QApplication::beep();
    }
    ZaehlerAktualisieren();
}

void TF_Memo::Speichern() {
    if (Editor1->document()->isModified() && fallVeraendert) fallVeraendert();
    NotizSpeichern(satz_, notizen_, bereich_, seite_, Editor1->toPlainText().toStdString());
}

void TF_Memo::accept() {
    if (!keinEintrag_) Speichern();
    Tform13::accept();
}

void TF_Memo::reject() {
    if (!keinEintrag_ && Editor1->document()->isModified() &&
        meldungen_.Zeige(MeldungsTyp::Bestaetigung, "Abbruch - Änderungen verwerfen?",
                         KnopfJa | KnopfNein) != Antwort::Ja) {
        Editor1->setFocus();
        return;
    }
    Tform13::reject();
}

}  // namespace quarnel::gui
