#include "AutoCorrectTable.h"

#include "SpellChecker.h"

const std::array<AutoCorrectTableSlot, kAutoCorrectSlots> AutoCorrectTable = {{
    {"", ""},                             // 0, unused
    {"abbout", "about"},                  // 1
    {"abotu", "about"},                   // 2
    {"absecce", "absence"},               // 3
    {"accesories", "accessories"},        // 4
    {"accidant", "accident"},             // 5
    {"accross", "across"},                // 6
    {"acheive", "achieve"},               // 7
    {"acheived", "achieved"},             // 8
    {"adn", "and"},                       // 9
    {"advanage", "advantage"},            // 10
    {"affraid", "afraid"},                // 11
    {"agian", "again"},                   // 12
    {"agressive", "aggressive"},          // 13
    {"ahppen", "happen"},                 // 14
    {"ahve", "have"},                     // 15
    {"almsot", "almost"},                 // 16
    {"alot", "a lot"},                    // 17
    {"alway", "always"},                  // 18
    {"amke", "make"},                     // 19
    {"anbd", "and"},                      // 20
    {"anual", "annual"},                  // 21
    {"apparant", "apparent"},             // 22
    {"asthe", "as the"},                  // 23
    {"atthe", "at the"},                  // 24
    {"awya", "away"},                     // 25
    {"bakc", "back"},                     // 26
    {"becaus", "because"},                // 27
    {"begining", "beginning"},            // 28
    {"betwen", "between"},                // 29
    {"bve", "be"},                        // 30
    {"certian", "certain"},               // 31
    {"chaneg", "change"},                 // 32
    {"cheif", "chief"},                   // 33
    {"chekc", "check"},                   // 34
    {"circut", "circuit"},                // 35
    {"claer", "clear"},                   // 36
    {"cliant", "client"},                 // 37
    {"cna", "can"},                       // 38
    {"completness", "completeness"},      // 39
    {"comtain", "contain"},               // 40
    {"conferance", "conference"},         // 41
    {"coudl", "could"},                   // 42
    {"cpoy", "copy"},                     // 43
    {"cxan", "can"},                      // 44
    {"decison", "decision"},              // 45
    {"diaplay", "display"},               // 46
    {"divsion", "division"},              // 47
    {"doese", "does"},                    // 48
    {"doign", "doing"},                   // 49
    {"doller", "dollar"},                 // 50
    {"drnik", "drink"},                   // 51
    {"efel", "feel"},                     // 52
    {"ehr", "her"},                       // 53
    {"enought", "enough"},                // 54
    {"equippment", "equipment"},          // 55
    {"esle", "else"},                     // 56
    {"especally", "especially"},          // 57
    {"excellant", "excellent"},           // 58
    {"excercise", "exercise"},            // 59
    {"excitment", "excitement"},          // 60
    {"exhcange", "exchange"},             // 61
    {"experiance", "experience"},         // 62
    {"eyt", "yet"},                       // 63
    {"familair", "familiar"},             // 64
    {"familar", "familiar"},              // 65
    {"feild", "field"},                   // 66
    {"feilds", "fields"},                 // 67
    {"fidn", "find"},                     // 68
    {"firts", "first"},                   // 69
    {"fora", "for a"},                    // 70
    {"forthe", "for the"},                // 71
    {"forwrds", "forwards"},              // 72
    {"freind", "friend"},                 // 73
    {"frmo", "from"},                     // 74
    {"furneral", "funeral"},              // 75
    {"fwe", "few"},                       // 76
    {"gaurd", "guard"},                   // 77
    {"gerat", "great"},                   // 78
    {"geting", "getting"},                // 79
    {"gievn", "given"},                   // 80
    {"gonig", "going"},                   // 81
    {"goverment", "government"},          // 82
    {"grwo", "grow"},                     // 83
    {"guidlines", "guidelines"},          // 84
    {"hadbeen", "had been"},              // 85
    {"haev", "have"},                     // 86
    {"hasbeen", "has been"},              // 87
    {"hda", "had"},                       // 88
    {"helpfull", "helpful"},              // 89
    {"hesaid", "he said"},                // 90
    {"hewas", "he was"},                  // 91
    {"hge", "he"},                        // 92
    {"hlep", "help"},                     // 93
    {"hsa", "has"},                       // 94
    {"hsi", "his"},                       // 95
    {"hte", "the"},                       // 96
    {"htey", "they"},                     // 97
    {"htis", "this"},                     // 98
    {"hvae", "have"},                     // 99
    {"hwich", "which"},                   // 100
    {"i", "I"},                           // 101
    {"idae", "idea"},                     // 102
    {"ihs", "his"},                       // 103
    {"imediate", "immediate"},            // 104
    {"importent", "important"},           // 105
    {"inthe", "in the"},                  // 106
    {"isthe", "is the"},                  // 107
    {"itis", "it is"},                    // 108
    {"jsut", "just"},                     // 109
    {"judment", "judgment"},              // 110
    {"knowldge", "knowledge"},            // 111
    {"knwo", "know"},                     // 112
    {"lastyear", "last year"},            // 113
    {"lenght", "length"},                 // 114
    {"levle", "level"},                   // 115
    {"liek", "like"},                     // 116
    {"likly", "likely"},                  // 117
    {"lisence", "license"},               // 118
    {"loev", "love"},                     // 119
    {"maintenence", "maintenance"},       // 120
    {"makeing", "making"},                // 121
    {"managment", "management"},          // 122
    {"merchent", "merchant"},             // 123
    {"mesage", "message"},                // 124
    {"mispell", "misspell"},              // 125
    {"mkae", "make"},                     // 126
    {"morgage", "mortgage"},              // 127
    {"mroe", "more"},                     // 128
    {"mysefl", "myself"},                 // 129
    {"myu", "my"},                        // 130
    {"necesary", "necessary"},            // 131
    {"nkow", "know"},                     // 132
    {"nver", "never"},                    // 133
    {"nwo", "now"},                       // 134
    {"obediant", "obedient"},             // 135
    {"ocasion", "occasion"},              // 136
    {"occured", "occurred"},              // 137
    {"ocur", "occur"},                    // 138
    {"ohter", "other"},                   // 139
    {"omre", "more"},                     // 140
    {"oneof", "one of"},                  // 141
    {"onepoint", "one point"},            // 142
    {"onthe", "on the"},                  // 143
    {"onyl", "only"},                     // 144
    {"orginized", "organized"},           // 145
    {"orginize", "organize"},             // 146
    {"otehr", "other"},                   // 147
    {"otu", "out"},                       // 148
    {"peice", "piece"},                   // 149
    {"permanant", "permanent"},           // 150
    {"pleasent", "pleasant"},             // 151
    {"postition", "position"},            // 152
    {"pregnent", "pregnant"},             // 153
    {"puting", "putting"},                // 154
    {"pwoer", "power"},                   // 155
    {"quesion", "question"},              // 156
    {"reccomend", "recommend"},           // 157
    {"recieve", "receive"},               // 158
    {"reccomend", "recommend"},           // 159
    {"religous", "religious"},            // 160
    {"reluctent", "reluctant"},           // 161
    {"remeber", "remember"},              // 162
    {"representives", "representatives"}, // 163
    {"resorces", "resources"},            // 164
    {"responce", "response"},             // 165
    {"restaraunt", "restaurant"},         // 166
    {"reveiw", "review"},                 // 167
    {"rumers", "rumors"},                 // 168
    {"rythm", "rhythm"},                  // 169
    {"saidhe", "said he"},                // 170
    {"secratary", "secretary"},           // 171
    {"seh", "she"},                       // 172
    {"sentance", "sentence"},             // 173
    {"shcool", "school"},                 // 174
    {"shineing", "shining"},              // 175
    {"shiped", "shipped"},                // 176
    {"simalar", "similar"},               // 177
    {"similiar", "similar"},              // 178
    {"sincerly", "sincerely"},            // 179
    {"smae", "same"},                     // 180
    {"smoe", "some"},                     // 181
    {"sohw", "show"},                     // 182
    {"somethign", "something"},           // 183
    {"speach", "speech"},                 // 184
    {"statment", "statement"},            // 185
    {"stpo", "stop"},                     // 186
    {"successfull", "successful"},        // 187
    {"sucess", "success"},                // 188
    {"sufficiant", "sufficient"},         // 189
    {"suprise", "surprise"},              // 190
    {"swiming", "swimming"},              // 191
    {"tahn", "than"},                     // 192
    {"taht", "that"},                     // 193
    {"tath", "that"},                     // 194
    {"tecnical", "technical"},            // 195
    {"teh", "the"},                       // 196
    {"tehy", "they"},                     // 197
    {"termoil", "turmoil"},               // 198
    {"tghe", "the"},                      // 199
    {"thansk", "thanks"},                 // 200
    {"their are", "there are"},           // 201
    {"their is", "there is"},             // 202
    {"themself", "themselves"},           // 203
    {"theri", "their"},                   // 204
    {"thesame", "the same"},              // 205
    {"thge", "the"},                      // 206
    {"thigsn", "things"},                 // 207
    {"thna", "than"},                     // 208
    {"thne", "then"},                     // 209
    {"thnig", "thing"},                   // 210
    {"thsi", "this"},                     // 211
    {"thsoe", "those"},                   // 212
    {"thta", "that"},                     // 213
    {"tihs", "this"},                     // 214
    {"timne", "time"},                    // 215
    {"tje", "the"},                       // 216
    {"tjhe", "the"},                      // 217
    {"tkae", "take"},                     // 218
    {"tomorow", "tomorrow"},              // 219
    {"totaly", "totally"},                // 220
    {"tothe", "to the"},                  // 221
    {"truely", "truly"},                  // 222
    {"tryed", "tried"},                   // 223
    {"unpleasently", "unpleasantly"},     // 224
    {"untill", "until"},                  // 225
    {"vulnerible", "vulnerable"},         // 226
    {"waht", "what"},                     // 227
    {"warrent", "warrant"},               // 228
    {"watn", "want"},                     // 229
    {"wehn", "when"},                     // 230
    {"werre", "were"},                    // 231
    {"whcih", "which"},                   // 232
    {"whta", "what"},                     // 233
    {"wierd", "weird"},                   // 234
    {"wihch", "which"},                   // 235
    {"wiht", "with"},                     // 236
    {"withe", "with"},                    // 237
    {"woh", "who"},                       // 238
    {"writting", "writing"},              // 239
    {"wtih", "with"},                     // 240
    {"wya", "way"},                       // 241
    {"yuo", "you"},                       // 242
    {"yuor", "your"},                     // 243
    {"", ""},                             // 244, unused
    {"", ""},                             // 245, unused
    {"", ""},                             // 246, unused
    {"", ""},                             // 247, unused
    {"", ""},                             // 248, unused
    {"", ""},                             // 249, unused
    {"", ""},                             // 250, unused
}};

void LoadAutoCorrectTable(SpellChecker& checker) {
    for (int slot = kFirstAutoCorrectPair; slot <= kLastAutoCorrectPair; ++slot) {
        const AutoCorrectTableSlot& pair = AutoCorrectTable[std::size_t(slot)];
        checker.addAutoCorrect(QString::fromLatin1(pair.misspelling),
                               QString::fromLatin1(pair.correction));
    }
}
