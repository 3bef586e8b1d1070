// The five built-in word lists of the hangman window, in entry order from entry 1.
#include "HangmanWords.h"

#include <iterator>

namespace {

const char* const kLevel1Words[] = {
    "ACID", "AUTO", "BACK", "BALL", "BASE", "BEEF", "BELL", "BENT", "BABY", "BIKE", "BIRD", "BITE",
    "BLOW", "BLUE", "BOAT", "BODY", "BOMB", "BONK", "BURN", "BUSH", "BUST", "BYTE", "CLIP", "CODE",
    "COLD", "COME", "COOL", "CORE", "CORN", "DATA", "DASH", "DATA", "DEEP", "FAIL", "FLAG", "FOIL",
    "FOOD", "FREE", "FROG", "GAME", "GANG", "GATE", "GIVE", "GLUE", "GRAB", "GRID", "HAND", "HANG",
    "HARD", "HAUL", "HEAD", "HEAT", "HIGH", "HOOK", "HOPE", "HOST", "HUNG", "INTO", "JACK", "JOIN",
    "JUMP", "JUNK", "KICK", "KING", "KISS", "LAID", "LAME", "LAND", "LAST", "LEAN", "LIFE", "LIKE",
    "LIVE", "LOAD", "LOOP", "LOVE", "MAKE", "MALL", "MARK", "MASH", "MEAN", "MESS", "MIND", "MONO",
    "MOOD", "MOON", "ONTO", "PACE", "PAGE", "PAIR", "PARK", "PEEK", "PEAL", "PICK", "PLAY", "PLOT",
    "POLE", "PORK", "POST", "PASS", "PULL", "PUSH", "RACE", "RANK", "READ", "RENT", "RINK", "RING",
    "RIPE", "RISE", "ROLE", "ROLL", "ROCK", "ROSE", "SAND", "SCAN", "SEED", "SEAT", "SELF", "SEND",
    "SIGN", "SING", "SKIN", "SLOT", "SOAP", "SOFT", "SOLD", "SOME", "SPIN", "STOP", "STEP", "SURF",
    "SURE", "TAKE", "TALK", "TANK", "TAPE", "TAXI", "TEAM", "TEMP", "TEST", "THIN", "TIME", "TRIP",
    "TURN", "TYPE", "UNIT", "UNTO", "VETO", "VINE", "WALL", "WASH", "WASP", "WEAK", "WIND", "WINK",
    "WORD", "WOOD", "WORK", "XRAY", "YARD", "ZERO", "ZONK", "ZING", "BOOK", "DOOR", "POOR", "BAKE",
    "CAKE", "FAKE", "LAKE", "RAKE", "RAKE", "WAKE",
};

const char* const kLevel2Words[] = {
    "AFTER", "ARRAY", "BASIC", "BELLS", "BENCH", "BELLY", "BIRTH", "BLACK", "BLAST", "BLIND",
    "BLOCK", "BLOOD", "BOARD", "BRAIN", "BRICK", "BROKE", "BROWN", "BUNNY", "CABLE", "CANDY",
    "CARGO", "CARRY", "CATCH", "CHARM", "CHECK", "CHILI", "CLASS", "CLEAN", "CLEAR", "CLOCK",
    "CLOSE", "CLOUD", "COLOR", "CRAZY", "DELAY", "DISCO", "EGYPT", "EIGHT", "EXTRA", "FENCE",
    "FIBER", "FIELD", "FIRST", "FIXED", "FLASH", "FLOAT", "FLOOR", "FROST", "GRADE", "GREEN",
    "GROUP", "HANDS", "HITCH", "HONEY", "HOUSE", "IMAGE", "INDEX", "JUICE", "KNOCK", "LATCH",
    "LAYER", "LEASH", "LEGAL", "LIGHT", "LIMBO", "LUNCH", "MACHO", "MACRO", "MEDIA", "METER",
    "MICRO", "MODEL", "NOISE", "NOTCH", "OCEAN", "ORDER", "ORGAN", "PANTS", "PAPER", "PATCH",
    "PEACE", "PEDAL", "PHOTO", "PIECE", "PLACE", "PLATE", "POINT", "POWER", "PRESS", "PRINT",
    "PUPPY", "QUEEN", "QUEUE", "QUICK", "RADAR", "RADIO", "RAPID", "RIGHT", "POST",  "SALSA",
    "SCARF", "SCENE", "SCORE", "SCREW", "SHAPE", "SHELL", "SHIFT", "SHIRT", "SHOOT", "SHORT",
    "SILKY", "SLIDE", "SLOPE", "SMACK", "SMART", "SMOKE", "SOLAR", "SOLID", "SOUND", "SPACE",
    "SPARK", "SPEAK", "SPEAR", "SPEED", "SPIKE", "SPLIT", "SPOON", "STAFF", "STAGE", "STATE",
    "STEAK", "STICK", "STONE", "STUFF", "SUPER", "SWING", "TABLE", "TARDY", "TEACH", "TEASE",
    "TEXAS", "THIRD", "THROW", "TIGHT", "TOKEN", "TOUCH", "TRADE", "TRASH", "TRUST", "UNCLE",
    "UNDER", "UNION", "VIDEO", "VITAL", "VOICE", "WAFER", "WASTE", "WATER", "WHEEL", "WHOLE",
    "WOMAN", "WRECK", "YEARN", "ZEBRA",
};

const char* const kLevel3Words[] = {
    "ABSURD",  "ACCESS",  "ACQUIRE", "ACTION",  "ADDRESS", "AFFIRM",  "AIRFARE", "ALGEBRA",
    "ALPINE",  "ANCHOR",  "BANANA",  "BANQUET", "BEAUTY",  "BEEHIVE", "BEEPER",  "BOSTON",
    "BOTTOM",  "BOULDER", "BOUNCE",  "BRANCH",  "BUBBLE",  "BUMPER",  "BUTTON",  "CARBON",
    "CARROT",  "CENTER",  "CHINESE", "CITIZEN", "CLOSED",  "CLOSING", "CLUSTER", "COMFORT",
    "COMMAND", "COMMON",  "COMMUTE", "COMPLEX", "CONTACT", "CORNER",  "COUNTER", "COUNTRY",
    "DEMAND",  "DINNER",  "DIVIDE",  "DOUBLE",  "ENGLISH", "EXCESS",  "FACTOR",  "FAMILY",
    "FLYING",  "FIGURE",  "FINGER",  "FLOWER",  "FOURTH",  "FREEZE",  "GENERAL", "GOSPEL",
    "GROUND",  "HEALTH",  "HIDDEN",  "HIJACK",  "HONEST",  "HOTDOG",  "IMPACT",  "INSTANT",
    "JIGSAW",  "KERNEL",  "KEYPAD",  "LEADER",  "LEISURE", "LICENSE", "LIVING",  "MACHINE",
    "MAGNET",  "MARKET",  "METHOD",  "MONITOR", "MOTHER",  "NATURAL", "NEUTRAL", "NICKEL",
    "NORMAL",  "OPTICAL", "OUTSIDE", "OXYGEN",  "PAGING",  "PARTIAL", "PASSIVE", "PEACHES",
    "PERFECT", "PERSON",  "PLASTIC", "PREVENT", "PRIMARY", "PROGRAM", "QUARTZ",  "RABBIT",
    "RECYCLE", "REMOTE",  "RESERVE", "REVERSE", "RUNNING", "SADDLE",  "SCRATCH", "SCREEN",
    "SECOND",  "SESSION", "SERVICE", "SHUTTLE", "SIMPLE",  "SINGLE",  "SOURCE",  "SPEAKER",
    "SPECIAL", "SPIDER",  "STREET",  "STRIKE",  "SUNSET",  "SYSTEM",  "TALKING", "TARGET",
    "THEATER", "THERMAL", "THRIFT",  "TISSUE",  "TRIVIAL", "TROUSER", "TUNNEL",  "TURKEY",
    "UNCOOL",  "UPDATE",  "UPSTATE", "VANITY",  "VIEWER",  "VIRTUAL", "VISUAL",  "VOUCHER",
    "WAFFLE",  "WALKING", "WARNING", "WESTERN", "WHISKER", "WINDOW",  "WINTER",  "WOODEN",
    "WRITER",  "YELLOW",
};

const char* const kLevel4Words[] = {
    "ACOUSTIC",  "ADDITIVE",  "AMERICAN",  "APPROACH",  "ASSEMBLE",  "ASSEMBLY",  "AVOIDANCE",
    "BACHELOR",  "BALLPARK",  "BANKBOOK",  "BEARABLE",  "BEAUTIFUL", "BEHAVIOR",  "BENCHMARK",
    "BLOCKING",  "BLUEGRASS", "CHARACTER", "CHARCOAL",  "CHECKBOOK", "COMPETENT", "COMPUTER",
    "CONCRETE",  "CONDITION", "CONSERVE",  "CONSUMER",  "CONVERSE",  "COOKBOOK",  "CORDLESS",
    "COURTESY",  "CREEPING",  "CROSSOVER", "DATABASE",  "DEFENSIVE", "DEFERRED",  "DELICACY",
    "DESIGNATE", "DIAGONAL",  "DIMENSION", "DISKETTE",  "DOUBTFUL",  "DRUMBEAT",  "DUPLICATE",
    "EDUCATION", "EMBATTLED", "ENCOUNTER", "ESCALATE",  "ESTIMATE",  "EXCHANGE",  "EXTENSION",
    "EYELINER",  "FAIRNESS",  "FLOATING",  "FRACTION",  "GENERATOR", "GRADUATED", "HARDBALL",
    "HAPPENING", "HARDENED",  "HARDWARE",  "HATCHBACK", "HAWAIIAN",  "IDENTICAL", "IDENTIFY",
    "INDICATOR", "INJECTION", "INTERFACE", "INTERRUPT", "INTERVIEW", "JUNCTION",  "KEYSTROKE",
    "LANDMARK",  "MAGNETIC",  "MAINFRAME", "MILITARY",  "MINIATURE", "MODIFIED",  "MOONWALK",
    "MULTIPLY",  "NEGATIVE",  "NONSENSE",  "NORTHERN",  "OFFERING",  "OPERATOR",  "PARAMETER",
    "PAROCHIAL", "PARTIALLY", "PARTITION", "PERMANENT", "PIGGYBACK", "PROCESSOR", "PRODUCER",
    "QUOTIENT",  "RAINCOAT",  "REDUNDANT", "REGIONAL",  "REGISTER",  "REINFORCE", "RELATIVE",
    "RESIDENCE", "SANDWICH",  "SATELLITE", "SATURATED", "SATURDAY",  "SCANNING",  "SECONDARY",
    "SHOULDER",  "SHOWBOAT",  "SINGULAR",  "SITUATION", "SOFTWARE",  "SOLUTION",  "SOUTHERN",
    "SPAGHETTI", "STANDING",  "STATISTIC", "STRAIGHT",  "STRIKING",  "SUBSTANCE", "SUPPRESS",
    "SWITCHED",  "TEACHING",  "TELEGRAM",  "TELEPHONE", "TELEGRAPH", "TERMINAL",  "TESTAMENT",
    "TOGETHER",  "TOOTHPICK", "TRAINING",  "TRANSPORT", "TRANSFER",  "TRANSFORM", "TRANSLATE",
    "ULTIMATE",  "UNIVERSAL", "VARIABLE",  "WINDBLOWN", "WISHBONE",  "WITHHOLD",  "WORKLOAD",
    "WORKABLE",  "WORRYWART", "WORSENING", "WRANGLER",  "XYLOPHONE", "YEARBOOK",  "YOUTHFUL",
    "ZIPPERED",
};

const char* const kLevel5Words[] = {
    "ACCEPTABLE",   "ACCOMMODATE",  "ACTIVATION",   "ADDRESSABLE",  "AFFIRMATIVE",  "AUTOMOBILE",
    "BASHFULNESS",  "BLACKBOARD",   "BOTTOMLESS",   "BREADBOARD",   "BLOODSTREAM",  "BOOKBINDING",
    "BREADBASKET",  "CALCULATION",  "CALIFORNIA",   "CANDLELIGHT",  "CANDLESTICK",  "CARBOHYDRATE",
    "CARBONATED",   "CARICATURE",   "CATERPILLAR",  "CELLOPHANE",   "CENTENNIAL",   "CHALLENGER",
    "CHALLENGING",  "CHANGEABLE",   "CHANGEOVER",   "CHARITABLE",   "CHECKERBOARD", "CHEESECLOTH",
    "CHESAPEAKE",   "CHIMPANZEE",   "CIRCULATION",  "CIRCUMSTANCE", "CITIZENSHIP",  "CIVILIZATION",
    "COMFORTABLE",  "COMMENDABLE",  "COMMITMENT",   "CONCENTRATE",  "CUMULATIVE",   "DECORATION",
    "DEFLECTION",   "DEMOLITION",   "DESPERATELY",  "DICTIONARY",   "DRAWSTRING",   "EDUCATIONAL",
    "EFFORTLESS",   "EIGHTEENTH",   "EVACUATION",   "FINALIZATION", "FINGERPRINT",  "FLOODLIGHTS",
    "FLUCTUATION",  "FOOLISHNESS",  "GENERATION",   "GINGERBREAD",  "GRANDFATHER",  "GRANDMOTHER",
    "HAMMERHEAD",   "HAMSTRINGS",   "HARMONICALLY", "HIBERNATION",  "HYPERTENSION", "IDEALIZATION",
    "IDIOSYNCRASY", "ILLUSTRATION", "INDUSTRIAL",   "INSTRUMENTAL", "KITCHENWARE",  "KNIGHTHOOD",
    "KNUCKLEBONES", "LABORATORY",   "LACKLUSTER",   "LAWFULNESS",   "LEADERSHIP",   "LENGTHWISE",
    "LUBRICATION",  "MANIPULATOR",  "MARSHMALLOW",  "MICROSCOPE",   "MOTIONLESS",   "MOUNTAINOUS",
    "NECESSARILY",  "NEIGHBORHOOD", "OBSERVATION",  "ORGANIZATION", "OUTSTRETCH",   "OVEREXPOSE",
    "OVERFLOWING",  "PARTNERSHIP",  "PERCENTAGE",   "PERFECTION",   "POSSIBILITY",  "PRODUCTION",
    "PSYCHOLOGY",   "QUESTIONABLE", "RAINMAKING",   "RATIONALIZE",  "REALIZATION",  "REESTABLISH",
    "REPRODUCTIVE", "RESPONSIBLE",  "ROUNDABOUT",   "SANDWICHES",   "SCHOLARSHIP",  "SCHOOLMASTER",
    "SCOUTMASTER",  "SEMICIRCULAR", "SEQUENTIAL",   "SETTLEMENT",   "SHENANIGAN",   "SIMPLICITY",
    "STANDARDIZE",  "STATIONARY",   "STIMULATION",  "STRAWBERRY",   "STUFFINESS",   "SUBJECTIVE",
    "SUBSTANTIAL",  "SUGARCOATING", "SUSPENSEFUL",  "TABERNACLE",   "TAMBOURINE",   "TEASPOONFUL",
    "THANKSGIVING", "THERMOMETER",  "THUNDERCLOUD", "TOASTMASTER",  "TOOTHPASTE",   "TRADITIONAL",
    "TRANQUILNESS", "TRANSITION",   "TRANSMISSION", "TYPEWRITER",   "UNACCEPTED",   "UNDERCOATING",
    "UNDERSTATED",  "UTILIZATION",  "VEGETATION",   "VIEWFINDER",   "WATERPROOF",   "WHISPERING",
    "WONDERFULLY",  "YESTERYEAR",   "WORTHWHILE",   "YOUTHFULLY",
};

// The game draws from the first N entries of a level, and a list past its top index would write
// beyond the level's entries: the counts in HangmanWords.h must be the lists' own lengths.
constexpr bool countsFitTheLists() {
    constexpr std::array<std::size_t, HangmanWordTable::kLevels> lengths = {
        std::size(kLevel1Words), std::size(kLevel2Words), std::size(kLevel3Words),
        std::size(kLevel4Words), std::size(kLevel5Words)};
    for (std::size_t level = 0; level < lengths.size(); ++level) {
        if (lengths[level] != std::size_t(HangmanWordTable::kWordCount[level]) ||
            HangmanWordTable::kWordCount[level] > HangmanWordTable::kTopIndex[level]) {
            return false;
        }
    }
    return true;
}
static_assert(countsFitTheLists(),
              "a level's word count differs from its list or passes its top index");

const std::array<std::vector<const char*>, HangmanWordTable::kLevels> kLists = {{
    {std::begin(kLevel1Words), std::end(kLevel1Words)},
    {std::begin(kLevel2Words), std::end(kLevel2Words)},
    {std::begin(kLevel3Words), std::end(kLevel3Words)},
    {std::begin(kLevel4Words), std::end(kLevel4Words)},
    {std::begin(kLevel5Words), std::end(kLevel5Words)},
}};

} // namespace

QString HangmanWordTable::entry(int level, int i) const {
    if (level < 1 || level > kLevels) {
        return {};
    }
    const std::vector<QString>& list = words[std::size_t(level - 1)];
    return i >= 0 && i < int(list.size()) ? list[std::size_t(i)] : QString();
}

void LoadHangmanWords(HangmanWordTable& table) {
    for (int level = 0; level < HangmanWordTable::kLevels; ++level) {
        std::vector<QString>& list = table.words[std::size_t(level)];
        list.assign(std::size_t(HangmanWordTable::kTopIndex[std::size_t(level)] + 1), QString());
        int i = 1;
        for (const char* word : kLists[std::size_t(level)]) {
            list[std::size_t(i++)] = QString::fromLatin1(word);
        }
        table.LevelWordCount[std::size_t(level)] = HangmanWordTable::kWordCount[std::size_t(level)];
    }
}
