#include "image/GoodsRecord.h"

static_assert(GoodsRecord::kSize == image::kGoods.recordSize);
static_assert(GoodsRecord::kLastNumber == image::kGoods.records);

std::array<quint8, GoodsRecord::kSize> EncodeGoodsRecord(const GoodsRecord& r) {
  std::array<quint8, GoodsRecord::kSize> rec{};
  EncodeRecord<GoodsRecord>(kGoodsLayout, r, rec.data());
  return rec;
}

GoodsRecord DecodeGoodsRecord(const quint8* rec) {
  return DecodeRecord<GoodsRecord>(kGoodsLayout, rec);
}
