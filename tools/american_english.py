"""British spellings and words that the shipped texts must not hold: the program speaks American
English (its captions, its word lists and its spelling check), so the content generators refuse
them.

    from american_english import british_words, british_sense
    british_words("A colourful aeroplane")  ->  ["colourful", "aeroplane"]
    british_words("Fish fried with chips")  ->  ["with chips"]
    british_sense("CINEMA", "A MOVIE HOUSE")  ->  "a movie theater"
"""

import re

# Word starts that begin no American word: each also finds the word's forms ("colours").
_STARTS = (
    "aeroplane", "aluminium", "apologis", "ardour", "armour", "baptise", "baptising",
    "behaviour", "biscuit", "candour", "centre", "cheque", "clamour", "colour", "defence",
    "dustbin", "encyclopaedia", "endeavour", "favour", "fervour", "flavour", "harbour",
    "honour", "humour", "jewellery", "judgement", "labour", "licence", "lorries", "lorry",
    "manoeuvr", "motorway", "nappies", "nappy", "neighbour", "odour", "organisation",
    "organise", "organising", "paediatr", "palaeo", "parlour", "plough", "programme", "pyjama",
    "realise", "realising", "recognise", "recognising", "rigour", "rumour", "saviour",
    "sceptic", "splendour", "theatre", "travelled", "traveller", "travelling", "trousers",
    "tumour", "valour", "vapour", "vigour", "yodell",
)
# Whole words, or a word and its plural, whose start also begins American words.
_WORDS = {
    "crisps", "fortnight", "fulfil", "gaol", "grey", "jumper", "kerb", "lasagne", "learnt", "litre",
    "maths", "metre", "mould", "mum", "nought", "pavement", "petrol", "queue", "rubbish", "spelt",
    "storey", "sweets", "towards", "tyre", "whilst",
}
# Proper names that keep their own spelling.
_PROPER_NAMES = (
    "Ford's Theatre", "Globe Theatre", "HMS Endeavour", "National Biscuit Company",
    "National Theatre", "Tyre",
)
# Phrases that give a word the sense only British English gives it: Americans take a vacation,
# not a holiday trip, eat fish with fries, not chips, and oatmeal, not porridge oats. Americans
# do not sound the h of "herb", so it is "an herb".
_PHRASES = re.compile(
    r"\b(?:holiday (?:trip|break|abroad)|on holiday|(?:summer|school|bank) holidays?|"
    r"with chips|fish and chips|porridge (?:grain|oats)|breakfast porridge|a herb)\b",
    re.IGNORECASE)
# Words whose British sense differs from the American one, with the words of a definition that
# give them that sense. A cinema is a movie theater in Britain, the art of film in America; a
# holiday is time off in Britain, a day of celebration in America; a tin is a can of food in
# Britain, the metal (or a cookie tin) in America.
_SENSES = {
    "cinema": ("a movie theater", re.compile(r"\b(?:house|theaters?|building|hall)\b", re.I)),
    "holiday": ("time off", re.compile(r"\b(?:break|trip|time off|away|vacation)\b", re.I)),
    "tin": ("a can", re.compile(r"\b(?:a|metal|food|soup) cans?\b", re.I)),
}
_WORD = re.compile(r"[A-Za-z]+")


def british_words(text):
    """The words of text that are British spellings or British words, in order."""
    for name in _PROPER_NAMES:
        text = text.replace(name, "")
    found = []
    for word in _WORD.findall(text):
        lower = word.lower()
        plural = lower.endswith("s") and lower[:-1] in _WORDS
        if lower.startswith(_STARTS) or lower in _WORDS or plural:
            found.append(word)
    return found + [match.group(0) for match in _PHRASES.finditer(text)]


def british_sense(word, definition):
    """The British sense a definition gives word ("a movie theater"), or None."""
    sense = _SENSES.get(word.lower())
    if sense and sense[1].search(definition):
        return sense[0]
    return None
