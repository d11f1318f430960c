// Painting the status window in a fight: the whole view, as every Status change repaints it,
// into an image of the docked pane's size, wide and narrow, by damage and by armour.
#include "BenchHost.h"
#include "app/Client.h"
#include "settings/SettingsTable.h"
#include "status/StatusView.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void fight(vesk::Client& client) {
    client.onConnected();
    client.onReceived("##VESK NAME Tamsin\n##VESK STATUS 84 120 30 60 12 40\n"
                      "##VESK XP 15400 20000 950\n##VESK LIMB 'left wing' 20\n"
                      "##VESK LIMB 'left arm' 45\n##VESK LIMB 'right leg' 80\n"
                      "##VESK AC 'head' 3\n##VESK AC 'torso' 5\n"
                      "##VESK COMBAT @big orc@ 7 0 @goblin archer@ 3 0 @rat@ 10 0 "
                      "@cave troll@ 6 0 @Bram@ 9 1 @Ysolde@ 5 1 @Corwin@ 2 1\n");
}

void BM_StatusPaint(benchmark::State& state) {
    const bool narrow = state.range(0) != 0;
    const bool armour = state.range(1) != 0;
    vesk::bench::BenchHost host;
    QTemporaryDir folder;
    vesk::Client client(host, folder.path().toStdString());
    fight(client);
    vesk::Settings& settings = client.preferences().settings;
    settings.setNumber(vesk::setting::statusNarrow, narrow ? 1 : 0);
    settings.setNumber(vesk::setting::bodyType, armour ? 1 : 0);
    vesk::StatusView view(client.status(), client.preferences());
    view.resize(narrow ? 72 : 145, 700);
    QImage image(view.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        view.paintStatus(painter);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_StatusPaint)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"narrow", "armour"})
    ->Unit(benchmark::kMicrosecond);

} // namespace
