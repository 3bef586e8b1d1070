"""Family words in definitions (crossword clues, scrambler hints): a definition that names one
side of a family ("your mother's sister") leaves out half of what the word means, since an aunt is
a father's sister too.

    from family_words import one_sided
    one_sided("YOUR MOTHER'S SISTER")  ->  "mother's"
    one_sided("Your mother's or father's brother")  ->  None
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
