#include "platform/runtime.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "platform/qt_support.h"

namespace platform {

namespace {

// Stored font names are those of the systems the program was designed for. Each is drawn with an
// installed font of the same kind; the stored name itself is kept as it is.
struct Substitution {
  const char* name;
  QStringList families;
};

const std::vector<Substitution>& substitutions() {
  const QStringList serifFamilies{"Noto Serif CJK SC", "AR PL UMing CN", "Noto Sans CJK SC"};
  const QStringList sans{"Noto Sans CJK SC", "WenQuanYi Zen Hei", "Noto Serif CJK SC"};
  const QStringList kai{"AR PL UKai CN", "AR PL KaitiM GB", "Noto Serif CJK SC"};
  static const std::vector<Substitution> table{
      {"宋体", serifFamilies},
      {"新宋体", serifFamilies},
      {"SimSun", serifFamilies},
      {"仿宋", serifFamilies},
      {"仿宋_GB2312", serifFamilies},
      {"华文宋体", serifFamilies},
      {"华文中宋", serifFamilies},
      {"黑体", sans},
      {"SimHei", sans},
      {"微软雅黑", sans},
      {"Microsoft YaHei", sans},
      {"幼圆", sans},
      {"华文细黑", sans},
      {"楷体", kai},
      {"楷体_GB2312", kai},
      {"华文楷体", kai},
      {"华文行楷", kai},
      {"隶书", kai},
      {"华文隶书", kai},
      {"华文新魏", kai},
      {"华文彩云", sans},
      {"华文琥珀", sans},
      {"方正舒体", kai},
      {"方正姚体", sans},
  };
  return table;
}

void installFontSubstitutions() {
  for (const auto& s : substitutions()) QFont::insertSubstitutions(QString::fromUtf8(s.name), s.families);
}

}  // namespace

std::string substituteFontFamily(const std::string& storedName) {
  for (const auto& s : substitutions())
    if (storedName == s.name) {
      for (const QString& family : s.families)
        if (QFontDatabase::hasFamily(family)) return ss(family);
      return ss(s.families.front());
    }
  return storedName;
}

// The design's 宋体 and 黑体 write Latin letters, digits and blanks exactly half as wide as a Chinese
// character; texts in boxes are laid out with blanks on that grid.
std::string halfWidthFontFamily(const std::string& storedName) {
  static const char* const gridNames[] = {"宋体", "新宋体", "SimSun", "NSimSun", "黑体", "SimHei"};
  static const QString grid = QStringLiteral("Noto Sans Mono CJK SC");
  for (const char* name : gridNames)
    if (storedName == name) return QFontDatabase::hasFamily(grid) ? ss(grid) : "";
  return "";
}

struct Runtime::Impl {
  Impl(int& argc, char** argv) : app(argc, argv) {}
  QApplication app;
  QTranslator qtTexts;
};

Runtime::Runtime(int& argc, char** argv) : d(std::make_unique<Impl>(argc, argv)) {
  QApplication::setQuitOnLastWindowClosed(false);
  // The program speaks Chinese, and so do the standard dialogs (file dialogs, their buttons).
  QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
  if (d->qtTexts.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&d->qtTexts);
  installFontSubstitutions();
  QFont base(QString::fromUtf8("宋体"));
  base.setPixelSize(12);
  QApplication::setFont(base);
}

Runtime::~Runtime() = default;

int Runtime::exec() {
  return QApplication::exec();
}
void Runtime::quit() {
  QCoreApplication::exit(0);
}
bool Runtime::running() {
  return QCoreApplication::instance() != nullptr;
}

void leaveProcess(int exitCode) {
  std::fflush(nullptr);
  std::_Exit(exitCode);
}

}  // namespace platform
