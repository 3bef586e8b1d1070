"""The forms of a word a player reads as that word, for the checks that keep a question or a hint
from giving its answer away.

    from word_forms import stems
    stems("cookies")  ->  {"cookies", "cookie", "cooki", "cooky"}
    stems("teeth")  ->  {"teeth", "tooth"}
"""

# Endings stripped to find a word's stems ("cookies", "baptized", "deepest", "mom's").
_ENDINGS = ("'s", "ies", "es", "s", "ed", "ing", "est", "er")
# Words that name another word without spelling it: irregular plurals, and the everyday names of
# mother and father ("teeth": TOOTHBRUSH, "mom": GRANDMOTHER).
_OTHER_FORMS = {
    "teeth": "tooth", "feet": "foot", "geese": "goose", "mice": "mouse", "men": "man",
    "women": "woman", "children": "child", "mom": "mother", "dad": "father",
}


def stems(word):
    """The lower-case word, its stems of three letters or more and the words it names."""
    found = {word}
    for ending in _ENDINGS:
        if word.endswith(ending) and len(word) - len(ending) >= 3:
            found.add(word[: -len(ending)])
    if word.endswith("ies"):
        found.add(word[:-3] + "y")
    return found | {_OTHER_FORMS[stem] for stem in found if stem in _OTHER_FORMS}
