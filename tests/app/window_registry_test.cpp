// The window registry: start-up order, opening by command, the tools menu and reloads.
#include <QMenu>
#include <QTest>

#include "app/tform_zu_main.h"
#include "app/window_registry.h"
#include "exchange/window/trpt.h"
#include "core/clock.h"
#include "ui/dialogs.h"
#include "support/test_classes.h"

namespace {

// A window that records what happened to it, in one shared log.
class Probe : public QDialog {
 public:
  Probe(QString name, QStringList& log, QWidget* parent) : QDialog(parent), name_(std::move(name)), log_(log) {
    log_ << "create " + name_;
  }
  void refresh() { log_ << "reload " + name_; }
  void prepare(const QString& how) { log_ << "prepare " + name_ + " " + how; }

 private:
  QString name_;
  QStringList& log_;
};
class First : public Probe { using Probe::Probe; };
class Second : public Probe { using Probe::Probe; };
class Third : public Probe { using Probe::Probe; };
class Fourth : public Probe { using Probe::Probe; };
class Fifth : public Probe { using Probe::Probe; };

struct Registered {
  ui::ScopedRecorder dialogs;
  core::DrawHistory history;
  core::FixedClock clock{core::Date{2009, 1, 10}};
  QString dir = QStringLiteral(".");
  core::DrawTable writer{history};
  core::RuleSettings rules;
  TForm_zu_main main{writer, rules, clock, dir};
  app::WindowRegistry registry;
  Trpt report{clock, &main};
  app::WindowContext context{history, writer, rules, clock, dir, main, registry, report};
  QStringList log;

  Registered() {
    using app::Showing;
    const auto page = [](const QString& how) {
      return [how](Second& w, const app::WindowContext&) { w.prepare(how); };
    };
    registry.add<First>([this](const app::WindowContext& c) { return new First("first", log, &c.main); })
        .command("firstExecute", "一")
        .on_reload(&First::refresh);
    registry.add<Second>([this](const app::WindowContext& c) { return new Second("second", log, &c.main); })
        .command("N3Click", {}, Showing::Modeless, page("page 0"))
        .command("N12Click", "二", Showing::Modeless, page("page 1"));
    registry.add<Third>([this](const app::WindowContext& c) { return new Third("third", log, &c.main); })
        .on_reload(&Third::refresh);
  }
};

}  // namespace

class WindowRegistryTest : public QObject {
  Q_OBJECT
 private slots:
  void windows_are_created_once_in_registration_order() {
    Registered r;
    QVERIFY(!r.registry.find<First>());
    r.registry.create_all(r.context);
    QCOMPARE(r.log, (QStringList{"create first", "create second", "create third"}));
    QCOMPARE(r.registry.find<Second>()->parent(), &r.main);
    QVERIFY(static_cast<QWidget*>(r.registry.find<First>()) != r.registry.find<Third>());
  }

  void commands_open_their_window_as_registered() {
    Registered r;
    r.registry.create_all(r.context);
    r.log.clear();
    QVERIFY(r.registry.open("firstExecute"));
    QCOMPARE(r.dialogs.recorder.shown_modal, QList<QDialog*>{r.registry.find<First>()});
    QVERIFY(r.registry.open("N12Click"));
    QVERIFY(r.registry.open("N3Click"));
    QCOMPARE(r.log, (QStringList{"prepare second page 1", "prepare second page 0"}));
    QVERIFY(r.registry.find<Second>()->isVisible());
    QCOMPARE(r.dialogs.recorder.shown_modal.size(), 1);  // the modeless commands did not block
    QVERIFY(!r.registry.open("noSuchExecute"));
    QVERIFY(!r.registry.find<Third>()->isVisible());
  }

  void the_menu_lists_commands_with_a_menu_text_in_order() {
    Registered r;
    r.registry.create_all(r.context);
    QMenu menu;
    r.registry.build_menu(&menu);
    QStringList items;
    for (QAction* action : menu.actions()) items << action->text();
    QCOMPARE(items, (QStringList{"一", "二"}));
    menu.actions()[1]->trigger();
    QCOMPARE(r.log.last(), QStringLiteral("prepare second page 1"));
  }

  void a_window_is_wired_once_every_window_exists() {
    Registered r;
    // Fourth needs Fifth, which is registered (and created) after it.
    r.registry.add<Fourth>([&r](const app::WindowContext& c) { return new Fourth("fourth", r.log, &c.main); })
        .wire([&r](Fourth& w, const app::WindowContext& c) {
          r.log << QStringLiteral("wire fourth to %1").arg(c.windows.get<Fifth>().parent() == w.parent() ? "fifth" : "?");
        });
    r.registry.add<Fifth>([&r](const app::WindowContext& c) { return new Fifth("fifth", r.log, &c.main); });
    r.registry.create_all(r.context);
    QCOMPARE(r.log.mid(3), (QStringList{"create fourth", "create fifth", "wire fourth to fifth"}));
    QCOMPARE(&r.registry.get<Fifth>(), r.registry.find<Fifth>());
  }

  void a_reload_reaches_the_windows_that_follow_it() {
    Registered r;
    r.registry.create_all(r.context);
    r.log.clear();
    r.registry.announce_reload();
    QCOMPARE(r.log, (QStringList{"reload first", "reload third"}));
  }
};

VANTOR_TEST_CLASS(WindowRegistryTest)
#include "window_registry_test.moc"
