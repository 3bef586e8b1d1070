"""British spellings and words that the shipped texts must not hold: the program speaks American
English (its captions, its word lists and its spelling check), so the content generators refuse
them.

    from american_english import british_words
    british_words("A colourful aeroplane")  ->  ["colourful", "aeroplane"]
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
    return found
