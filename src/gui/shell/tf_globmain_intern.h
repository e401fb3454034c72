// Shared by the source files of the main window (tf_globmain*.cpp); no other file includes it.
#pragma once

#include "shell/tf_globmain.h"


#include "calc/berechnung.h"
#include "calc/deklaration.h"
#include "pages/seitenzustand.h"
#include "results/pruefbericht.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <filesystem>

#include "pages/seitentabelle.h"
#include "print/druckausgabe.h"
#include "print/formulardruck.h"
#include "print/txglobfdrk.h"
#include "results/bescheid.h"
#include "results/txglobview.h"
#include "shell/anzeige.h"
#include "shell/bescheidpruefen.h"
#include "shell/veranlagungvergleichen.h"
#include "shell/falldialoge.h"
#include "shell/kleinfenster.h"
#include "shell/navigation.h"
#include "shell/tf_globlfdview.h"
#include "shell/tf_memo.h"
#include "shell/txglobhtm.h"
#include "shell/txglobconf.h"
#include "shell/txinterview.h"
#include "shell/txnavigator.h"
#include "widgets/eingabefeld.h"
#include "widgets/zugang.h"


namespace quarnel::gui::globmain {

using S = Steuerelement;

QString U(const char* s);
QString U(const std::string& s);
// Hints are "short|long": the short part is the tool tip, the long part the
// status-bar text; without "|" both are the whole hint. "\r" breaks the line.
void HinweisSetzen(QWidget* w, const QString& hinweis);
QIcon Symbol(const QString& zeichen, const QColor& farbe);
Meldung M(MeldungsTyp typ, std::string text, unsigned knoepfe, std::string hilfeseite = {},
          bool positioniert = false);
QColor ZuQColor(uint32_t bgr);
bool Existiert(const std::string& pfad);
// The tab that Alt + `buchstabe` chooses on a page (see tf_globmain.cpp).
std::pair<QTabWidget*, int> SeitenReiter(QWidget* seite, QWidget* fokus, QChar buchstabe);
void Warten(int ms);

}  // namespace quarnel::gui::globmain
