// The last four categories of the formula list document: information
// processing, photography, daily life and numbers without unit, each with
// every section in order, line by line, and the document's closing blank.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "formulas/catalogue_run.h"
#include "tests/formulas/document_support.h"

namespace tamrisk::testing {
namespace {

using Sections = std::vector<std::vector<std::string>>;

const Sections kInformationSections = {
    {
        " ● ﾋﾞｯﾄをﾊﾞｲﾄで表す",
        "　　 ﾊﾞｲﾄ数(byte)=ﾋﾞｯﾄ数(bit)/8",
    },
    {
        " ● ﾊﾞｲﾄをﾋﾞｯﾄで表す",
        "　　 ﾋﾞｯﾄ数(bit)=ﾊﾞｲﾄ数(byte)x8",
    },
    {
        " ● ﾃﾞｰﾀ量と伝送時間から､伝送速度を求める",
        "　　 伝送速度(bps)=ﾃﾞｰﾀ量(bit)/時間(sec)",
        "　　 伝送速度(bps)=ﾃﾞｰﾀ量(byte)x8/時間(sec)",
    },
    {
        " ● 伝送速度とﾃﾞｰﾀ量から､要する時間を求める",
        "　　 時間(sec)=ﾃﾞｰﾀ量(bit)/伝送速度(bps)",
        "　　 時間(sec)=ﾃﾞｰﾀ量(byte)x8/伝送速度(bps)",
    },
    {
        " ● 伝送速度と時間から､伝送されるﾃﾞｰﾀ量を求める",
        "　　 ﾃﾞｰﾀ量(bit)=伝送速度(bps)x時間(sec)",
    },
    {
        " ● ﾃﾞｰﾀのﾋﾞｯﾄ数で表せる 10進数の範囲を求める",
        "　　 10進数の範囲(無単位)=[0] ～ [2^ﾋﾞｯﾄ数-1]",
        "　　 [-(2^ﾋﾞｯﾄ数-1)/2-1] ～ [(2^ﾋﾞｯﾄ数-1)/2]",
    },
    {
        " ● ﾃﾞｰﾀのﾋﾞｯﾄ数で表せる 16進数の範囲を求める",
        "　　 16進数の範囲(無単位)=[0H]～[Hex(2^ﾋﾞｯﾄ数-1)]",
    },
    {
        " ● ADｺﾝﾊﾞｰﾀの分解能から､ﾀﾞｲﾅﾐｯｸﾚﾝｼﾞを求める",
        "　　 ﾀﾞｲﾅﾐｯｸﾚﾝｼﾞ(dB)=6.02x分解能(bit)+1.76",
    },
    {
        " ● DAｺﾝﾊﾞｰﾀの分解能と基準電圧から､出力電圧分解能を求める",
        "　　 電圧分解能(V)=基準電圧(V)/2^分解能(bit)",
    },
    {
        " ● MTBFとMTTRから､可用性(ｱﾍﾞｲﾗﾋﾞﾘﾃｨ)を求める",
        "　　 ｱﾍﾞｲﾗﾋﾞﾘﾃｨ(無単位)=MTBF(hour)/(MTBF(hour)+MTTR(hour))",
    },
    {
        " ● MTBFと一日あたりの稼働時間から､平均故障間隔を求める",
        "　　 平均故障間隔(day)=MTBF(hour)/(一日あたりの稼働時間(hour)/24)/24",
    },
    {
        " ● 基準時間あたりの稼働時間から､単位時間あたりの稼働時間を求める",
        "　　 稼働時間(hour/hour) =稼働時間(hour)/基準期間(hour)",
        "　　 稼働時間(hour/hour) =稼働時間(hour)/(基準期間(day)x24)",
        "　　 稼働時間(hour/hour) =稼働時間(hour)/(基準期間(month)x24x30)",
        "　　 稼働時間(hour/hour) =稼働時間(hour)/(基準期間(year)x24x365.2422)",
        "　　 稼働時間(hour/day)　=稼働時間(hour)/基準期間(hour)x24",
        "　　 稼働時間(hour/day)　=稼働時間(hour)/基準期間(day)",
        "　　 稼働時間(hour/day)　=稼働時間(hour)/(基準期間(month)x30)",
        "　　 稼働時間(hour/day)　=稼働時間(hour)/(基準期間(year)x365.2422)",
        "　　 稼働時間(hour/week) =稼働時間(hour)/基準期間(hour)x24x7",
        "　　 稼働時間(hour/week) =稼働時間(hour)/基準期間(day)x7",
        "　　 稼働時間(hour/week) =稼働時間(hour)/(基準期間(month)x30)x7",
        "　　 稼働時間(hour/week) =稼働時間(hour)/(基準期間(year)x365.2422)x7",
        "　　 稼働時間(hour/month)=稼働時間(hour)/基準期間(hour)x24x30",
        "　　 稼働時間(hour/month)=稼働時間(hour)/基準期間(day)x30",
        "　　 稼働時間(hour/month)=稼働時間(hour)/基準期間(month)",
        "　　 稼働時間(hour/month)=稼働時間(hour)/(基準期間(year)x365.2422)x30",
        "　　 稼働時間(hour/year) =稼働時間(hour)/基準期間(hour)x24x365.2422",
        "　　 稼働時間(hour/year) =稼働時間(hour)/基準期間(day)x365.2422",
        "　　 稼働時間(hour/year) =稼働時間(hour)/(基準期間(month)x30)x365.2422",
        "　　 稼働時間(hour/year) =稼働時間(hour)/基準期間(year)",
    },
};

const Sections kPhotographySections = {
    {
        " ● 35mmﾌｨﾙﾑｶﾒﾗにおいて､ﾚﾝｽﾞの焦点距離と被写体までの距離から､",
        "　　 　　　　　　　　　　　　　　　　　　　　　　　　　　撮影される被写体のｻｲｽﾞを求める",
        "　　 被写体の横ｻｲｽﾞ(m)=0.036x(距離(m)-焦点距離(m))/焦点距離(m)",
        "　　 被写体の縦ｻｲｽﾞ(m)=0.024x(距離(m)-焦点距離(m))/焦点距離(m)",
    },
    {
        " ● ﾚﾝｽﾞの焦点距離と口径から､ﾚﾝｽﾞの明るさを求める",
        "　　 明るさF値(無単位)=焦点距離(m)/有効口径(m)",
    },
};

const Sections kDailyLifeSections = {
    {
        " ● 身長から､標準体重を求める",
        "　　 標準体重(g)=身長(m)^2x22000",
    },
    {
        " ● 身長と体重から､肥満度を求める",
        "　　 肥満度(%)=(体重(g)-身長(m)^2x22000)/(身長(m)^2x22000)x100",
    },
    {
        " ● 体重とｴﾈﾙｷﾞｰ消費量から､必要な歩数を求める",
        "　　 歩数=ｴﾈﾙｷﾞｰ消費量(cal)/体重(g)x2000",
    },
    {
        " ● 気温と相対湿度から､不快指数を求める",
        "　　 不快指数(%)=0.81x気温(℃)+0.01x湿度(%)x(0.99x気温(℃)-14.3)+46.3",
    },
    {
        " ● 気温と露点温度から､不快指数を求める",
        "　　 不快指数(%)=0.99x気温(℃)+0.36x露点温度(℃)+41.5",
    },
    {
        " ● 郵便物の重さから､郵便料金を求める",
        "　　 郵便料金(円)=80 　(重さ(g)≦25 の定形郵便物)",
        "　　 郵便料金(円)=90　 (25＜重さ(g)≦50 の定形郵便物)",
        "　　 郵便料金(円)=130　(重さ(g)≦25 の定形外郵便物)",
        "　　 郵便料金(円)=130　(25＜重さ(g)≦50 の定形外郵便物)",
        "　　 郵便料金(円)=190　(50＜重さ(g)≦100 の定形外郵便物)",
        "　　 郵便料金(円)=270　(100＜重さ(g)≦250 の定形外郵便物)",
        "　　 郵便料金(円)=390　(250＜重さ(g)≦500 の定形外郵便物)",
        "　　 郵便料金(円)=700　(500＜重さ(g)≦1000 の定形外郵便物)",
        "　　 郵便料金(円)=950　(1000＜重さ(g)≦2000 の定形外郵便物)",
        "　　 郵便料金(円)=1150 (2000＜重さ(g)≦3000 の定形外郵便物)",
        "　　 郵便料金(円)=1350 (3000＜重さ(g)≦4000 の定形外郵便物)",
    },
    {
        " ● ﾃﾚﾋﾞの画面ｻｲｽﾞから､画面の縦横の長さを求める",
        "　　 標準ﾃﾚﾋﾞ画面の縦寸法(m)=画面ｻｲｽﾞ(in)x0.0254xsin(atn(3/4))",
        "　　 標準ﾃﾚﾋﾞ画面の横寸法(m)=画面ｻｲｽﾞ(in)x0.0254xcos(atn(3/4))",
        "　　 ﾜｲﾄﾞﾃﾚﾋﾞ画面の縦寸法(m)=画面ｻｲｽﾞ(in)x0.0254xsin(atn(9/16))",
        "　　 ﾜｲﾄﾞﾃﾚﾋﾞ画面の横寸法(m)=画面ｻｲｽﾞ(in)x0.0254xcos(atn(9/16))",
    },
    {
        " ● 普通車の速度超過から､点数と反則金を求める",
        "　　 点数　=1点　(速度超過(m/h)＜20000)",
        "　　 点数　=2点　(20000≦速度超過(m/h)＜25000)",
        "　　 点数　=3点　(25000≦速度超過(m/h)＜30000､高速道路では＜40000)",
        "　　 点数　=6点　(30000≦速度超過(m/h)＜50000)",
        "　　 点数　=12点 (50000≦速度超過(m/h))",
        "　　 反則金=9000円　(速度超過(m/h)＜15000)",
        "　　 反則金=12000円 (15000≦速度超過(m/h)＜20000)",
        "　　 反則金=15000円 (20000≦速度超過(m/h)＜25000)",
        "　　 反則金=18000円 (25000≦速度超過(m/h)＜30000)",
        "　　 反則金=25000円 (30000≦速度超過(m/h)＜35000､ただし高速道路で)",
        "　　 反則金=35000円 (35000≦速度超過(m/h)＜40000､ただし高速道路で)",
    },
};

const Sections kPlainNumbersSections = {
    {
        " ● ﾊﾟﾗﾒｰﾀ1つの計算",
        "　　 log10(ﾊﾟﾗﾒｰﾀ値)",
        "　　 log(ﾊﾟﾗﾒｰﾀ値)",
        "　　 10^(ﾊﾟﾗﾒｰﾀ値)",
        "　　 Exp(ﾊﾟﾗﾒｰﾀ値)",
    },
    {
        " ● ﾊﾟﾗﾒｰﾀ2つの計算",
        "　　 (ﾊﾟﾗﾒｰﾀ値)+(ﾊﾟﾗﾒｰﾀ値)",
        "　　 (ﾊﾟﾗﾒｰﾀ値)-(ﾊﾟﾗﾒｰﾀ値)",
        "　　 (ﾊﾟﾗﾒｰﾀ値)x(ﾊﾟﾗﾒｰﾀ値)",
        "　　 (ﾊﾟﾗﾒｰﾀ値)/(ﾊﾟﾗﾒｰﾀ値)",
        "　　 (ﾊﾟﾗﾒｰﾀ値)^(ﾊﾟﾗﾒｰﾀ値)",
        "　　 ((ﾊﾟﾗﾒｰﾀ値)+(ﾊﾟﾗﾒｰﾀ値))/2",
        "　　 √((ﾊﾟﾗﾒｰﾀ値)^2＋(ﾊﾟﾗﾒｰﾀ値)^2)",
    },
};

TEST(InfoDailyDocumentTest, CategoriesHoldTheirSectionsInOrder) {
  const std::vector<std::string> lines = DocumentLines();
  EXPECT_EQ(Category(kInformation, lines).sections, kInformationSections);
  EXPECT_EQ(Category(kPhotography, lines).sections, kPhotographySections);
  EXPECT_EQ(Category(kDailyLife, lines).sections, kDailyLifeSections);
  EXPECT_EQ(Category(kPlainNumbers, lines).sections, kPlainNumbersSections);
}

TEST(InfoDailyDocumentTest, LastSectionClosesTheDocument) {
  const std::vector<std::string> lines = DocumentLines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines.back(), kBlankLine);
  EXPECT_EQ(lines[lines.size() - 2], kPlainNumbersSections.back().back());
}

}  // namespace
}  // namespace tamrisk::testing
