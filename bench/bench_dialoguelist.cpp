#include "bench/benchsample.h"
#include "text/editors/cdialogueview.h"
#include "text/editors/dialoguelistmodel.h"

#include <QApplication>
#include <QImage>
#include <QListView>
#include <QPainter>
#include <QStyleOptionViewItem>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace tessel;

namespace {

// The dialogue editor filling its message list on the sample ROM, then every
// row drawn as the list draws it: number, one-line preview in the dialogue
// font and the overflow mark (which lays out every page of the message).
void BM_DialogueListFillAndDrawEveryRow(benchmark::State& state)
{
    BenchSample sample(state);
    if (!sample.ready)
        return;
    CFF3Doc& doc = sample.doc;
    QImage canvas(800, 16, QImage::Format_RGB32);
    std::int64_t rows = 0;
    for (auto _ : state) {
        CDialogueView view(doc);
        QListView* list = view.messageList();
        QAbstractItemModel* model = list->model();
        QStyleOptionViewItem option;
        option.initFrom(list);
        option.font = list->font();
        option.fontMetrics = QFontMetrics(option.font);
        option.rect = canvas.rect();
        QPainter painter(&canvas);
        for (int row = 0; row < model->rowCount(); ++row)
            list->itemDelegate()->paint(&painter, option, model->index(row, 0));
        rows = model->rowCount();
    }
    state.counters["rows"] = double(rows);
}
BENCHMARK(BM_DialogueListFillAndDrawEveryRow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
