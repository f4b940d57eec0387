"""What poker writes for an input, worked out from its manual page alone
(packaging/man/poker.6.in): the whole input split into entries first, then
the rounds played over the list, the hands scored by the rules of SCORING.
It shares nothing with the program but those rules: a second reading of
them, in another form, for dialogue_check.py to hold the program to.

Input with a UTF-16 byte-order mark is not modelled: the decoder's own tests
hold it."""
import re
from collections import Counter

MENU = ("-" * 62 + "\n"
        "1.   Print all Game result\n"
        "2.   Print Game(number)\n"
        "3.   Delete Game(number)\n"
        "4.   Exit(스페이스바로 공백처리 해서 입력해 주세요!)\n"
        + "-" * 62 + "\n"
        "입력:")
AGAIN = "다시 입력해주세요 \n"
TEN_PLEASE = "카드 다섯 장을 10글자로 입력해주세요\n"
CALCULATED = "계산해쓰 \n"
CAME_THROUGH = "넘어 왔으 \n"
# The categories from the highest down, as RESULTS lists their sentences,
# by the words that begin them.
CATEGORIES = ["로얄 스트레이트 플러쉬로", "스트레이트 플러쉬로", "포카드로", "풀하우스로",
              "플러쉬로", "스트레이트로", "트리플로", "투페어로", "원페어로", "탑으로"]
ROYAL, STRAIGHT_FLUSH, FOUR, FULL_HOUSE, FLUSH, STRAIGHT, THREE, TWO_PAIR, ONE_PAIR, \
    HIGH_CARD = CATEGORIES

ENTRY = re.compile(rb"[^ \t\n\v\f\r]+")  # anything but the six blanks
NUMBER = re.compile(rb"[+-]?[0-9]+")
RANKS = {ord(c): value for value, c in enumerate("234567890JQKA", 2)}


def is_number(entry):
    return NUMBER.fullmatch(entry) is not None


def rank(byte):
    """A rank byte's value: the table's, else the byte read as signed."""
    return RANKS.get(byte, byte - 256 if byte > 127 else byte)


def base(category):
    """100 for a high card, up by 100 a category to a royal straight flush's 1000."""
    return 100 * (len(CATEGORIES) - CATEGORIES.index(category))


def score(hand):
    ranks = sorted(rank(b) for b in hand[0::2])
    highest = ranks[-1]
    flush = len(set(hand[1::2])) == 1
    straight = all(b == a + 1 or (a, b) == (5, 14) for a, b in zip(ranks, ranks[1:]))
    if flush and straight:
        return base(ROYAL if highest == 14 else STRAIGHT_FLUSH) + highest
    if flush:
        return base(FLUSH) + highest
    if straight:
        return base(STRAIGHT) + highest
    groups = Counter(ranks)
    sizes = sorted(groups.values(), reverse=True)
    largest = max(groups, key=lambda r: (groups[r], r))  # the rank of the largest group
    pairs = [r for r in groups if groups[r] == 2]
    if sizes == [4, 1]:
        return base(FOUR) + largest
    if sizes == [3, 2]:
        return base(FULL_HOUSE) + max(groups)
    if sizes == [3, 1, 1]:
        return base(THREE) + largest
    if sizes == [2, 2, 1]:
        return base(TWO_PAIR) + max(pairs)
    if sizes == [2, 1, 1, 1]:
        return base(ONE_PAIR) + largest
    return base(HIGH_CARD) + highest  # five different ranks, or five of one


def sentence(winner, winners_score):
    hundreds = winners_score // 100 * 100
    named = [c for c in CATEGORIES if c != HIGH_CARD and base(c) == hundreds]
    return "%s %s가 이겼습니다." % ((named or [HIGH_CARD])[0], winner)


def game(a, b):
    """What a played round writes for A's and B's entries."""
    if len(a) != 10 or len(b) != 10:
        return TEN_PLEASE
    a_score, b_score = score(a), score(b)
    if a_score > b_score:
        return sentence("A", a_score) + CALCULATED
    return sentence("B", b_score) + CALCULATED  # every tie goes to B


def dialogue(entries):
    """The texts written for a list of entries, round after round, to the end."""
    entries = list(reversed(entries))  # the next entry last, to pop
    while True:
        yield MENU
        if not entries:
            return
        entry = entries.pop()
        if not is_number(entry):
            yield AGAIN
            continue
        selection = int(entry)  # of any size: outside 1 to 4 is outside, however far
        if selection not in (1, 4):  # a game number is due
            if not entries:
                return
            if is_number(entries[-1]):  # anything else is left to be read next
                entries.pop()
        if not 1 <= selection <= 4:
            yield AGAIN
            continue
        if len(entries) < 2:
            return
        a, b = entries.pop(), entries.pop()
        if selection != 3:
            yield game(a, b)
        yield CAME_THROUGH


def play(data, ctrl_z_ends=False, encoding="utf-8", crlf=False):
    """The bytes poker writes to a file for `data` as its whole input."""
    if data.startswith(b"\xef\xbb\xbf"):
        data = data[3:]
    if ctrl_z_ends:
        data = data.split(b"\x1a")[0]
    text = "".join(dialogue(ENTRY.findall(data)))
    if not text.endswith("\n"):
        text += "\n"  # the shell's prompt starts a line of its own
    if crlf:
        text = text.replace("\n", "\r\n")
    return text.encode(encoding)
