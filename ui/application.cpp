#include "ui/application.h"

#include <QApplication>
#include <QIconEngine>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QToolTip>
#include <QTranslator>

#include "ui/app_state.h"
#include "ui/pictures.h"

namespace tamrisk {

namespace {

// A standard icon of the style that is fetched when it is first drawn.
class DeferredStandardIcon : public QIconEngine {
 public:
  DeferredStandardIcon(QStyle* style, QStyle::StandardPixmap which)
      : style_(style), which_(which) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().pixmap(size, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return icon().availableSizes(mode, state);
  }
  QIconEngine* clone() const override { return new DeferredStandardIcon(*this); }
  QString key() const override { return QStringLiteral("DeferredStandardIcon"); }

 private:
  const QIcon& icon() {
    if (!loaded_) {
      if (style_) icon_ = style_->standardIcon(which_);
      loaded_ = true;
    }
    return icon_;
  }

  QPointer<QStyle> style_;
  QStyle::StandardPixmap which_;
  QIcon icon_;
  bool loaded_ = false;
};

// The platform's style, with one change: the menu bar's extension button,
// which the main window's short menus never need, gets its icon when it is
// first drawn rather than when the menu bar is made. Reading that icon
// would cost the start-up more than any other picture.
class ProgramStyle : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                     const QWidget* widget) const override {
    if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
      return QIcon(new DeferredStandardIcon(baseStyle(), which));
    return QProxyStyle::standardIcon(which, option, widget);
  }
};

}  // namespace

QString QtTranslationsFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

bool InstallQtJapanese() {
  auto* translator = new QTranslator(qApp);
  if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QtTranslationsFolder())) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  return true;
}

void InstallProgramFonts() {
  InstallFontSubstitutions();
  // Every window asks for the gothic face; so do Qt's own texts, so that no
  // other face is loaded.
  QApplication::setFont(GothicFont(9));
  QToolTip::setFont(GothicFont(9));
}

void PrepareApplication() {
  QApplication::setStyle(new ProgramStyle);
  InstallProgramFonts();
  QApplication::setWindowIcon(ProgramIcon());
  InstallQtJapanese();
}

}  // namespace tamrisk
