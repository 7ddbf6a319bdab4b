#!/usr/bin/python3
"""Every file that orvandel-cli writes, and every sheet, roster and journal
kept among the tests, validates against the published formats; broken files
do not.

    corpus_test.py ORVANDEL_CLI
"""

import copy
import json
import pathlib
import subprocess
import sys
import tempfile

import validate

TESTS = pathlib.Path(__file__).resolve().parents[1]

# Below these counts the corpus lost files on the way, and passing would say
# nothing about them.
LEAST_DOCUMENTS = {"sheet": 160, "roster": 1, "journal-line": 2000}

TYPED = {"forc": "12", "con": "13", "tai": "9", "dex": "15", "intl": "14", "pou": "11", "cha": "10",
         "nationalite": "42", "profession": "64", "age": "25", "des_comp": "3",
         "des_ok(0)": True, "des_ok(14)": True, "des_ok(17)": False}


class Corpus:
    def __init__(self, cli, folder):
        self.cli = cli
        self.folder = folder
        self.files = []  # (schema, path, JSON Lines or not)

    def run(self, name, args, stdin="", journal=False):
        """Runs orvandel-cli; its standard output is the sheet file `name`,
        its standard error, with `journal`, the journal file `name`.journal."""
        done = subprocess.run([self.cli, *args], input=stdin, capture_output=True, text=True, check=False)
        if done.returncode != 0:
            sys.exit(f"orvandel-cli {' '.join(args)} ended with status {done.returncode}: {done.stderr}")
        if done.stdout:
            self.keep("sheet", name, done.stdout)
        if journal:
            self.keep("journal-line", f"{name}.journal", done.stderr)
        return done.stdout

    def keep(self, schema, name, text, lines=True):
        path = self.folder / name
        path.write_text(text, encoding="utf-8")
        self.files.append((schema, path, lines))

    def add(self, schema, path, lines):
        self.files.append((schema, path, lines))


def approved_sheets(corpus):
    """The sheets of the approval records: one key a line, from "{" to "}"."""
    for record in sorted((TESTS / "approval" / "expected").glob("*.txt")):
        lines = record.read_text(encoding="utf-8").splitlines()
        starts = [n for n, line in enumerate(lines) if line == "{"]
        for k, start in enumerate(starts):
            end = lines.index("}", start)
            corpus.keep("sheet", f"{record.stem}-{k}.json", "\n".join(lines[start:end + 1]), False)


def build(corpus):
    first = corpus.run("seed7.json", ["generate", "--seed", "7", "--journal-json"], journal=True)
    for seed in ["0", "1", "42", "2024", "18446744073709551615"]:
        corpus.run(f"seed{seed}.json", ["generate", "--seed", seed, "--format", "json"])
    corpus.run("batch.jsonl", ["generate", "--count", "40", "--seed", "3", "--journal-json"], journal=True)
    typed = json.dumps(TYPED)
    corpus.run("typed.json", ["generate", "--typed", "--sheet", "-", "--seed", "5", "--journal-json"],
               typed, journal=True)
    sheet = first
    for n, target in enumerate(["comp(12)", "Text1(5)", "arme_att(1)", "arme_par(2)"]):
        sheet = corpus.run(f"improved{n}.json", ["improve", target, "--sheet", "-", "--seed", str(n),
                                                 "--journal-json"], sheet, journal=True)
    corpus.run("guerriers.jsonl", ["generate", "--profession", "Guerrier", "--seed", "7", "--count", "2",
                                   "--journal-json"], journal=True)
    corpus.run("group.jsonl", ["generate", "--magie", "--seed", "9", "--count", "2", "--journal-json"],
               journal=True)
    corpus.add("sheet", TESTS / "cli" / "golden" / "seed7_count3.jsonl", True)
    corpus.add("roster", TESTS / "web" / "fixtures" / "roster-from-window.json", False)
    approved_sheets(corpus)


def validate_all(corpus):
    """The number of documents of each schema that validated; exits at the
    first file that does not."""
    checks = {name: validate.validator(name) for name in LEAST_DOCUMENTS}
    counted = dict.fromkeys(LEAST_DOCUMENTS, 0)
    failed = []
    for schema, path, lines in corpus.files:
        reason, documents = validate.problem(checks[schema], path, lines)
        if reason:
            failed.append(f"not a valid {schema}: {reason}")
        counted[schema] += documents
    for schema, least in LEAST_DOCUMENTS.items():
        if counted[schema] < least:
            failed.append(f"only {counted[schema]} documents checked as {schema}, fewer than {least}")
    return failed


def altered_files(sheet, roster, step):
    """(schema, what was changed, document, whether it must validate), made
    from good documents: a recipe of each entry that must pass, so that each
    broken one fails for the fault it was given."""
    def changed(base, change):
        document = copy.deepcopy(base)
        change(document)
        return document

    recipe = {"version": 1, "entree": "hasard", "graine": "7", "ameliorations": [], "retouchee": False}
    typed_recipe = {**recipe, "entree": "saisie", "saisie": {k: "" for k in TYPED if "(" not in k},
                    "cochees": ["des_ok(0)"]}
    from_dice = {k: v for k, v in typed_recipe.items() if k != "graine"} | {"des": "6:3, 6:5"}
    with_recipe = lambda r: changed(sheet, lambda s: s.update(recette=r))
    good = [
        ("sheet", "a random recipe", with_recipe(recipe)),
        ("sheet", "a typed recipe from dice", with_recipe(from_dice)),
    ]
    return [(*case, True) for case in good] + [(*case, False) for case in [
        ("sheet", "an unknown key", changed(sheet, lambda s: s.update(vitesse="12"))),
        ("sheet", "a number where a string goes", changed(sheet, lambda s: s.update(forc=12))),
        ("sheet", "a text where a selector goes", changed(sheet, lambda s: s.update({"des_ok(0)": "oui"}))),
        ("sheet", "a selector that does not exist", changed(sheet, lambda s: s.update({"des_ok(7)": False}))),
        ("sheet", "a skill slot past the last", changed(sheet, lambda s: s.update({"comp(74)": ""}))),
        ("sheet", "an index with a leading zero", changed(sheet, lambda s: s.update({"comp(012)": ""}))),
        ("sheet", "a text longer than a box holds", changed(sheet, lambda s: s.update(equipement="é" * 1001))),
        ("sheet", "an entry that is neither", with_recipe({**recipe, "entree": "autre"})),
        ("sheet", "a seed as a number", with_recipe({**recipe, "graine": 7})),
        ("sheet", "a seed past 20 digits", with_recipe({**recipe, "graine": "1" * 21})),
        ("sheet", "both a seed and dice", with_recipe({**recipe, "des": "6:3, 6:5"})),
        ("sheet", "dice parted by spaces alone", with_recipe({**from_dice, "des": "6:3 6:5"})),
        ("sheet", "neither a seed nor dice", with_recipe(changed(recipe, lambda r: r.pop("graine")))),
        ("sheet", "a typed recipe without its boxes", with_recipe(changed(typed_recipe, lambda r: r.pop("saisie")))),
        ("sheet", "a random recipe with typed boxes", with_recipe({**typed_recipe, "entree": "hasard"})),
        ("sheet", "a ticked box twice", with_recipe({**typed_recipe, "cochees": ["des_ok(0)", "des_ok(0)"]})),
        ("sheet", "a click on no skill", with_recipe({**recipe, "ameliorations": ["comp(12)"]})),
        ("sheet", "a later recipe version", with_recipe({**recipe, "version": 2})),
        ("roster", "a broken sheet in a roster", changed(roster, lambda r: r["personnages"][0]["fiche"].update(forc=1))),
        ("roster", "a roster of a later version", changed(roster, lambda r: r.update(version=2))),
        ("roster", "a character without a name", changed(roster, lambda r: r["personnages"][0].pop("nom"))),
        ("journal-line", "a roll that is not a pair", changed(step, lambda j: j.update(jets=[[6, 3, 1]]))),
        ("journal-line", "a stage of no rule", changed(step, lambda j: j.update(etape="Magie"))),
        ("journal-line", "an unknown key", changed(step, lambda j: j.update(groupe="Guerrier"))),
    ]]


def misjudged(corpus, sheet_path):
    sheet = json.loads(sheet_path.read_text(encoding="utf-8"))
    roster = json.loads((TESTS / "web" / "fixtures" / "roster-from-window.json").read_text(encoding="utf-8"))
    step = json.loads((corpus.folder / "seed7.json.journal").read_text(encoding="utf-8").splitlines()[0])
    failed = []
    for schema, what, document, valid in altered_files(sheet, roster, step):
        if validate.validator(schema).is_valid(document) != valid:
            failed.append(f"{schema} {'refused' if valid else 'accepted'} with {what}")
    return failed


def main():
    with tempfile.TemporaryDirectory() as folder:
        corpus = Corpus(sys.argv[1], pathlib.Path(folder))
        build(corpus)
        failed = validate_all(corpus) + misjudged(corpus, corpus.folder / "seed7.json")
    for line in failed:
        print(line)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
