// Charge, potential and capacitance of a conductor, the charge a current
// moves in a time, and the energy of the electric field it stores.
#include "formulas/circuits/circuit_tables.h"

namespace tamrisk {

constexpr auto ChargeEnergyRows = TableRows{
    Doc({
        " ● 電荷と電位から､静電容量を求める",
        "　　 静電容量(F)=電荷(C)/電位(V)",
    }),
    Rule(Either("C", "V"), Filter{"F"},
         [](const Ctx& c) { return R{Eng5(c["C"] / c["V"])}; },
         "● 電荷{C}をもつ導体の電位が{V}であるとき,その導体の静電容量は {r}F"),
    Doc({
        " ● 電位と静電容量から､電荷を求める",
        "　　 電荷(C)=静電容量(F)x電位(V)",
    }),
    Rule(Either("V", "F"), Filter{"C"},
         [](const Ctx& c) { return R{Eng5(c["V"] * c["F"])}; },
         "● 導体の電位が{V}および静電容量が{F}であれば,その導体のもつ電荷は {r}C"),
    Doc({
        " ● 電荷と静電容量から､電位を求める",
        "　　 電位(V)=電荷(C)/静電容量(F)",
    }),
    Rule(Either("C", "F"), Filter{"V"},
         [](const Ctx& c) { return R{Eng5(c["C"] / c["F"])}; },
         "● 電荷{C}をもつ導体の静電容量が{F}であるとき,その導体の電位は {r}V"),
    Doc({
        " ● 電流と時間から､電荷の移動量を求める",
        "　　 電荷移動量(C)=電流(A)x時間(sec)",
    }),
    Rule(Either("A", "sec"), Filter{"C"},
         [](const Ctx& c) { return R{Eng5(c["A"] * c["sec"])}; },
         "● 電流{A}が{sec}間流れた場合の電荷移動量は {r}C"),
    Doc({
        " ● 電流と電荷の移動量から､要する時間を求める",
        "　　 時間(sec)=電荷移動量(C)/電流(A)",
    }),
    Rule(Either("A", "C"), Filter{"sec"},
         [](const Ctx& c) { return R{Eng5(c["C"] / c["A"])}; },
         "● 電荷{C}を{A}の電流で移動させるのに必要な時間は {r}sec"),
    Doc({
        " ● 電荷移動量と時間から､要する電流を求める",
        "　　 電流(A)=電荷移動量(C)/時間(sec)",
    }),
    Rule(Either("C", "sec"), Filter{"A"},
         [](const Ctx& c) { return R{Eng5(c["C"] / c["sec"])}; },
         "● 電荷{C}を{sec}間で移動させるのに必要な電流は {r}A"),
    Doc({
        " ● 電荷と電位から､電界ｴﾈﾙｷﾞｰを求める",
        "　　 電界ｴﾈﾙｷﾞｰ(J)=電荷(C)x電位(V)/2",
    }),
    Rule(Either("C", "V"), Filter{"J"},
         [](const Ctx& c) { return R{Eng5(c["C"] * c["V"] / 2)}; },
         "● 電荷{C}を有し,電位{V}である導体のもつ電界のエネルギーは {r}J"),
    Doc({
        " ● 電荷と電界ｴﾈﾙｷﾞｰから､電位を求める",
        "　　 電位(V)=2x電界ｴﾈﾙｷﾞｰ(J)/電荷(C)",
    }),
    Rule(Either("C", "J"), Filter{"V"},
         [](const Ctx& c) { return R{Eng5(c["J"] * 2 / c["C"])}; },
         "● 電荷{C}を有する導体のもつ電界のエネルギーが{J}であるとすると,電位は {r}V"),
    Doc({
        " ● 電界ｴﾈﾙｷﾞｰと電位から､電荷を求める",
        "　　 電荷(C)=2x電界ｴﾈﾙｷﾞｰ(J)/電位(V)",
    }),
    Rule(Either("J", "V"), Filter{"C"},
         [](const Ctx& c) { return R{Eng5(c["J"] * 2 / c["V"])}; },
         "● 電位{V}である導体のもつ電界のエネルギーが{J}であるとすると,有する電荷は {r}C"),
    Doc({
        " ● 静電容量と電位から､電界ｴﾈﾙｷﾞｰを求める",
        "　　 電界ｴﾈﾙｷﾞｰ(J)=静電容量(F)x電位(V)^2/2",
    }),
    Rule(Either("F", "V"), Filter{"J"},
         [](const Ctx& c) { return R{Eng5(Sq(c["V"]) * c["F"] / 2)}; },
         "● 電位{V},静電容量{F}である導体のもつ電界のエネルギーは {r}J"),
    Doc({
        " ● 電界ｴﾈﾙｷﾞｰと静電容量から､電位を求める",
        "　　 電位(V)=√(2x電界ｴﾈﾙｷﾞｰ(J)/静電容量(F))",
    }),
    Rule(Either("J", "F"), Filter{"V"},
         [](const Ctx& c) { return R{Eng5(Sqr(c["J"] * 2 / c["F"]))}; },
         "● 静電容量{F}である導体のもつ電界のエネルギーが{J}であるとすると,電位は {r}V"),
    Doc({
        " ● 電界ｴﾈﾙｷﾞｰと電位から､静電容量を求める",
        "　　 静電容量(F)=2x電界ｴﾈﾙｷﾞｰ(J)/電位(V)^2",
    }),
    Rule(Either("J", "V"), Filter{"F"},
         [](const Ctx& c) { return R{Eng5(c["J"] * 2 / Sq(c["V"]))}; },
         "● 電位{V}である導体のもつ電界のエネルギーが{J}であるとすると,静電容量は {r}F"),
    Doc({
        " ● 電荷と静電容量から､電界ｴﾈﾙｷﾞｰを求める",
        "　　 電界ｴﾈﾙｷﾞｰ(J)=電荷(C)^2/(2x静電容量(F))",
    }),
    Rule(Either("C", "F"), Filter{"J"},
         [](const Ctx& c) { return R{Eng5(Sq(c["C"]) / (c["F"] * 2))}; },
         "● 電荷{C}を有し,静電容量{F}である導体のもつ電界のエネルギーは {r}J"),
    Doc({
        " ● 電界ｴﾈﾙｷﾞｰと静電容量から､電荷を求める",
        "　　 電荷(C)=√(2x電界ｴﾈﾙｷﾞｰ(J)x静電容量(F))",
    }),
    Rule(Either("J", "F"), Filter{"C"},
         [](const Ctx& c) { return R{Eng5(Sqr(c["J"] * 2 * c["F"]))}; },
         "● 静電容量{F}である導体のもつ電界のエネルギーが{J}であるとすると,有する電荷は {r}C"),
    Doc({
        " ● 電界ｴﾈﾙｷﾞｰと電荷から､静電容量を求める",
        "　　 静電容量(F)=電荷(C)^2/(2x電界ｴﾈﾙｷﾞｰ(J))",
    }),
    Rule(Either("J", "C"), Filter{"F"},
         [](const Ctx& c) { return R{Eng5(Sq(c["C"]) / (c["J"] * 2))}; },
         "● 電荷{C}を有する導体のもつ電界のエネルギーが{J}であるとすると,静電容量は {r}F"),
};
constinit const RuleTable ChargeEnergyTable{ChargeEnergyRows};

}  // namespace tamrisk
