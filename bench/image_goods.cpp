#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <vector>

#include "image/FormatAmount.h"
#include "image/TDatabaseImage.h"

// The goods table as the goods editor uses it: a full table of 2000 records in
// a real working-copy file, read back the way the list is built, and one
// record written (which goes to the disk).
namespace {

struct FullTable {
  QTemporaryDir dir;
  TDatabaseImage image;

  FullTable() {
    image.Open(dir.filePath("BDTemp.bdt"));
    image.Replace(QByteArray(TDatabaseImage::kSize, '\0'));
    for (int n = 1; n <= GoodsRecord::kLastNumber; ++n) image.WriteGoodsRecord(Sample(n));
  }
  static GoodsRecord Sample(int n) {
    GoodsRecord r;
    r.Number = static_cast<quint16>(n);
    r.Name = QString::fromUtf8("Towar próbny żółty nr %1").arg(n);
    r.PtuLetter = static_cast<char>('A' + n % 7);
    r.Price = n * 137;
    r.Barcode = QString::number(5900000000000LL + n);
    r.Group = 1;
    return r;
  }
};

// One grid row: the cells a goods list shows for a record.
struct Row {
  QString number, name, price;
};

void BM_ReadAllGoodsForTheList(benchmark::State& state) {
  FullTable table;
  std::vector<Row> rows;
  for (auto _ : state) {
    rows.clear();
    rows.reserve(GoodsRecord::kLastNumber);
    for (int n = 1; n <= GoodsRecord::kLastNumber; ++n) {
      if (!table.image.IsGoodsSlotUsed(n)) continue;
      const GoodsRecord r = table.image.ReadGoodsRecord(n);
      rows.push_back({QString::number(r.Number), r.Name, FormatAmount(r.Price)});
    }
    benchmark::DoNotOptimize(rows.data());
    if (rows.size() != GoodsRecord::kLastNumber) state.SkipWithError("table not full");
  }
}
BENCHMARK(BM_ReadAllGoodsForTheList)->Unit(benchmark::kMillisecond);

void BM_WriteOneGoodsRecord(benchmark::State& state) {
  FullTable table;
  GoodsRecord r = FullTable::Sample(1000);
  for (auto _ : state) {
    r.Price += 1;
    if (!table.image.WriteGoodsRecord(r)) state.SkipWithError("write failed");
  }
}
BENCHMARK(BM_WriteOneGoodsRecord)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
