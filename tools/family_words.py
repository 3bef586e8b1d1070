"""Family words in definitions (crossword clues, scrambler hints): a definition that names one
side of a family ("your mother's sister") leaves out half of what the word means, since an aunt is
a father's sister too; and a definition of a relative that names no relation ("a girl in your
family") fits every relative: a sister as well as a cousin or a niece.

    from family_words import one_sided, names_no_relation
    one_sided("YOUR MOTHER'S SISTER")  ->  "mother's"
    one_sided("Your mother's or father's brother")  ->  None
    names_no_relation("SISTER", "A GIRL IN YOUR FAMILY")  ->  True
    names_no_relation("SISTER", "SHE HAS THE SAME PARENTS AS YOU")  ->  False
"""

import re

# Each family word with the word for the other side; a definition names both or neither.
_SIDES = (
    ("mother's", "father's"), ("mom's", "dad's"), ("sister's", "brother's"),
    ("son's", "daughter's"), ("aunt's", "uncle's"),
)


def one_sided(definition):
    """The first family word of definition whose other side it leaves out, or None."""
    words = set(re.findall(r"[a-z']+", definition.lower()))
    for one, other in _SIDES:
        if (one in words) != (other in words):
            return one if one in words else other
    return None


# Words for one relative, which a definition tells apart from the others only by a relation.
_RELATIVES = {
    "aunt", "brother", "cousin", "dad", "daughter", "father", "grandchild", "granddaughter",
    "grandfather", "grandma", "grandmother", "grandpa", "grandson", "mom", "mother", "nephew",
    "niece", "parent", "sibling", "sister", "son", "uncle",
}
# The relations a definition places a relative by ("your parent's sister", "a child's mom").
_RELATION = re.compile(
    r"\b(?:grand)?(?:parent|mother|father|mom|dad|son|daughter|child|children|sibling|sister|"
    r"brother|aunt|uncle|niece|nephew)(?:s|'s|s')?\b", re.IGNORECASE)


def names_no_relation(word, definition):
    """Whether word names one relative and its definition says nothing of how they are related."""
    return word.lower() in _RELATIVES and not _RELATION.search(definition)
