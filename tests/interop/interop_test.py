#!/usr/bin/python3
"""Networks written by the field's own tools, read as those tools meant them.

Writes every graph below with every writer people use (NetworkX, igraph, SciPy's mmwrite and
Python's csv module), then reads each file with mst-trace --json, as a user would: the total of
both reported trees must equal NetworkX's minimum_spanning_tree on the same graph (with the
weights the writer kept), and the names the file holds must reach the trace; or the file must
be refused with exactly the expected message. Prints a table, writer by format.

usage: interop_test.py MST_TRACE SCRATCH_DIR
"""
import csv
import json
import os
import random
import subprocess
import sys
import warnings

import igraph as ig
import networkx as nx
import numpy as np
import scipy.io
import scipy.sparse

warnings.filterwarnings("ignore")  # NetworkX's Pajek writer warns of attributes it leaves out
TRACE, SCRATCH = sys.argv[1], sys.argv[2]
os.makedirs(SCRATCH, exist_ok=True)

BLANKS = ("node names with blanks cannot be told apart in a file split at blanks "
          "(save it as CSV or GraphML, which keep them)")


def karate_named():
    """The karate club, its members renamed with blanks, accents and quotes."""
    names = {0: "Mr Hi", 1: 'Zoë "Z" Smith', 2: "O'Brien", 3: "Anna-Lena Åkesson", 33: "The Officer"}
    return nx.relabel_nodes(nx.karate_club_graph(), lambda n: names.get(n, f"member {n}"))


def in_parts():
    """A seeded geometric graph of 2,000 towns in 5 parts of distinct sizes, measures the distances."""
    graph = nx.Graph()
    rng = random.Random(5)
    first = 0
    for size in (800, 600, 350, 200, 50):
        while True:
            part = nx.random_geometric_graph(size, 2.2 / size ** 0.5, seed=rng.randrange(10**6))
            if nx.is_connected(part):
                break
        def town(k):
            quote = '"' if k % 7 == 0 else ""
            return f"Saint-{quote}Étienne{quote} {k}"

        for u, v in part.edges:
            (x1, y1), (x2, y2) = part.nodes[u]["pos"], part.nodes[v]["pos"]
            weight = max(1, round(1000 * ((x1 - x2) ** 2 + (y1 - y2) ** 2) ** 0.5))
            graph.add_edge(town(first + u), town(first + v), weight=weight)
        first += size
    return graph


GRAPHS = {
    "lesmis": nx.les_miserables_graph(),
    "karate": nx.karate_club_graph(),
    "florentine": nx.florentine_families_graph(),
    "davis": nx.davis_southern_women_graph(),
    "karate-named": karate_named(),
    "parts": in_parts(),
}


for _graph in GRAPHS.values():
    _graph.graph.clear()  # Davis's lists of each side: GraphML has no type for them


def weighted(graph):
    return all("weight" in data for _, _, data in graph.edges(data=True)) and graph.number_of_edges() > 0


def blanks(graph):
    return any(" " in str(node) for node in graph.nodes)


def to_igraph(graph):
    nodes = list(graph.nodes)
    index = {node: k for k, node in enumerate(nodes)}
    g = ig.Graph(n=len(nodes), edges=[(index[u], index[v]) for u, v in graph.edges])
    g.vs["name"] = [str(node) for node in nodes]
    if weighted(graph):
        g.es["weight"] = [data["weight"] for _, _, data in graph.edges(data=True)]
    return g


def write_csv(graph, path):
    measured = weighted(graph)
    with open(path, "w", newline="", encoding="utf-8") as out:
        rows = csv.writer(out)
        rows.writerow(["Source", "Target", "Weight"] if measured else ["Source", "Target"])
        for u, v, data in graph.edges(data=True):
            rows.writerow([u, v, data["weight"]] if measured else [u, v])


def write_mtx(graph, path, dense):
    matrix = nx.to_scipy_sparse_array(graph, weight="weight" if weighted(graph) else None)
    scipy.io.mmwrite(path, matrix.toarray() if dense else matrix)


def write_json(graph, path):
    with open(path, "w", encoding="utf-8") as out:
        json.dump(nx.node_link_data(graph), out)


def write_numpy(graph, path, delimiter):
    np.savetxt(path, nx.to_numpy_array(graph, weight="weight" if weighted(graph) else None), delimiter=delimiter)


def write_pandas(graph, path):
    nx.to_pandas_adjacency(graph, weight="weight" if weighted(graph) else None).to_csv(path)


# (writer, file name suffix, keeps weights, keeps names, splits at blanks, write(graph, path))
WRITERS = [
    ("nx write_graphml", ".graphml", True, True, False, lambda g, p: nx.write_graphml(g, p)),
    ("nx write_pajek", ".net", True, True, False, lambda g, p: nx.write_pajek(g, p)),
    ("nx write_weighted_edgelist", ".txt", True, True, True, lambda g, p: nx.write_weighted_edgelist(g, p)),
    ("nx write_weighted_edgelist ','", ".csv", True, True, False,
     lambda g, p: nx.write_weighted_edgelist(g, p, delimiter=",")),
    ("nx write_weighted_edgelist ','", ".txt", True, True, False,
     lambda g, p: nx.write_weighted_edgelist(g, p, delimiter=",")),
    ("nx write_weighted_edgelist tab", ".tsv", True, True, False,
     lambda g, p: nx.write_weighted_edgelist(g, p, delimiter="\t")),
    ("nx write_weighted_edgelist tab", ".txt", True, True, False,
     lambda g, p: nx.write_weighted_edgelist(g, p, delimiter="\t")),
    ("nx write_edgelist", ".edgelist", True, True, True, lambda g, p: nx.write_edgelist(g, p)),
    ("nx write_edgelist", ".txt", True, True, True, lambda g, p: nx.write_edgelist(g, p)),
    ("nx write_edgelist data=False", ".txt", False, True, True, lambda g, p: nx.write_edgelist(g, p, data=False)),
    ("ig write_graphml", ".graphml", True, True, False, lambda g, p: to_igraph(g).write_graphml(p)),
    ("ig write_pajek", ".net", True, False, False, lambda g, p: to_igraph(g).write_pajek(p)),
    ("ig write_edgelist", ".txt", False, False, False, lambda g, p: to_igraph(g).write_edgelist(p)),
    ("ig write_ncol", ".ncol", True, True, True,
     lambda g, p: to_igraph(g).write_ncol(p, weights="weight" if weighted(g) else None)),
    ("ig write_ncol", ".txt", True, True, True,
     lambda g, p: to_igraph(g).write_ncol(p, weights="weight" if weighted(g) else None)),
    ("ig write_lgl", ".lgl", True, True, True,
     lambda g, p: to_igraph(g).write_lgl(p, weights="weight" if weighted(g) else None)),
    ("ig write_lgl", ".txt", True, True, True,
     lambda g, p: to_igraph(g).write_lgl(p, weights="weight" if weighted(g) else None)),
    ("ig write_dimacs", ".dimacs", True, False, False,
     lambda g, p: to_igraph(g).write_dimacs(p, 0, 1, capacity="weight" if weighted(g) else [1] * len(g.edges))),
    ("scipy mmwrite", ".mtx", True, False, False, lambda g, p: write_mtx(g, p, False)),
    ("scipy mmwrite dense", ".mtx", True, False, False, lambda g, p: write_mtx(g, p, True)),
    ("csv module", ".csv", True, True, False, write_csv),
    ("nx write_gml", ".gml", True, True, False, lambda g, p: nx.write_gml(g, p)),
    ("ig write_gml", ".gml", True, True, False, lambda g, p: to_igraph(g).write_gml(p)),
    ("nx write_gexf", ".gexf", True, True, False, lambda g, p: nx.write_gexf(g, p)),
    ("nx node_link_data", ".json", True, True, False, write_json),
    ("nx write_adjlist", ".adjlist", False, True, True, lambda g, p: nx.write_adjlist(g, p)),
    ("nx write_multiline_adjlist", ".adjlist", True, True, True, lambda g, p: nx.write_multiline_adjlist(g, p)),
    ("numpy savetxt", ".txt", True, False, False, lambda g, p: write_numpy(g, p, " ")),
    ("numpy savetxt ','", ".csv", True, False, False, lambda g, p: write_numpy(g, p, ",")),
    ("pandas to_csv adjacency", ".csv", True, True, False, write_pandas),
]


def expected_refusal(graph, writer, suffix, path):
    """The message a file is refused with (as the readers walk it), or None where it must be read."""
    label, splits = writer[0], writer[4]
    if not (splits and blanks(graph)):
        return None
    with open(path, encoding="utf-8") as file:
        lines = list(enumerate(file.read().splitlines(), 1))
    if "adjlist" in label:
        return "ANY: " + BLANKS
    if label == "ig write_lgl":
        number, words = next((n, len(line[1:].split())) for n, line in lines if line.startswith("#"))
        message = f"line {number}: {words} words where '# NODE' has 1: {BLANKS}"
        return message + (" (read as an LGL file, as its content suggests; --format names another)"
                          if suffix == ".txt" else "")
    if label == "nx write_edgelist":
        number, before = next((n, len(line[:line.index("{")].split())) for n, line in lines)
        message = f"line {number}: {before} words where 2 come before the attributes: {BLANKS}"
    else:
        first = None
        for number, line in lines:
            words = line.split()
            if len(words) > 3:
                message = f"line {number}: {len(words)} words where an edge has 2 or 3 ('u v' or 'u v w'): {BLANKS}"
                break
            if first is None:
                first = (number, len(words))
            elif len(words) != first[1]:
                shapes = {2: "'u v'", 3: "'u v w'"}
                message = (f"line {number}: an edge {shapes[len(words)]} where line {first[0]} has "
                           f"{shapes[first[1]]}: every edge has a measure, or none does (names with blanks also "
                           "make this: save such a file as CSV or GraphML, which keep them)")
                break
            if len(words) == 3 and not words[2].lstrip("-").isdigit():
                message = (f"line {number}: the measure '{words[2]}' is not a number; if node names hold blanks, "
                           f"they cannot be told apart in a file split at blanks (save it as CSV or GraphML, which "
                           "keep them)")
                break
    if suffix == ".txt":
        message += " (read as an edge list, as its content suggests; --format names another)"
    return message


def expected_total(graph, keeps_weights):
    part = graph.subgraph(max(nx.connected_components(graph), key=len))
    weight = "weight" if keeps_weights and weighted(graph) else None
    tree = nx.minimum_spanning_tree(part, weight=weight or "no-such-key")
    return round(tree.size(weight=weight)) if weight else tree.number_of_edges()


def main():
    failures = []
    table = {}
    for name, graph in GRAPHS.items():
        several = nx.number_connected_components(graph) > 1
        for writer in WRITERS:
            label, suffix, keeps_weights, keeps_names, _, write = writer
            if label.startswith("nx write_weighted_edgelist") and not weighted(graph):
                continue  # NetworkX cannot write measures the graph has not
            if ("dense" in label or "numpy" in label or "pandas" in label) and graph.number_of_nodes() > 500:
                continue  # 4 million values: no one keeps a network of 2,000 nodes so (and SciPy takes 5 s)
            path = os.path.join(SCRATCH, f"{name}-{label.replace(' ', '_').replace(',', 'comma')}{suffix}")
            write(graph, path)
            flags = ["--largest-part"] if several else []
            run = subprocess.run([TRACE, "--json", *flags, path], capture_output=True, text=True)
            refusal = expected_refusal(graph, writer, suffix, path)
            shown = f"{name} {label} ({suffix})"
            if refusal is not None:
                want = f"mst-trace: {path}: {refusal}\n"
                outcome = "refused: names with blanks"
                if refusal.startswith("ANY: ") and run.returncode == 1 and refusal[10:] in run.stderr:
                    pass
                elif run.returncode != 1 or run.stderr != want:
                    failures.append(f"{shown}: expected the refusal\n  {want}got status {run.returncode}:\n  "
                                    f"{run.stderr}")
            elif run.returncode != 0:
                outcome = "FAILED"
                failures.append(f"{shown}: refused: {run.stderr}")
            else:
                trace = json.loads(run.stdout)
                totals = {trace["prim"]["total"], trace["kruskal"]["total"]}
                want = expected_total(graph, keeps_weights)
                outcome = "read right" + (" with --largest-part" if several else "")
                if totals != {want}:
                    outcome = "WRONG"
                    failures.append(f"{shown}: totals {sorted(totals)}, NetworkX {want}")
                if keeps_names and not str(list(graph.nodes)[0]).isdigit():
                    names = trace.get("names") or []
                    if str(list(graph.nodes)[-1]) not in names and str(list(graph.nodes)[0]) not in names:
                        failures.append(f"{shown}: the file's names do not reach the trace")
            table.setdefault(f"{label} ({suffix})", []).append(f"{name}: {outcome}")
        if several:
            plain = subprocess.run([TRACE, "--json", os.path.join(SCRATCH, f"{name}-nx_write_graphml.graphml")],
                                   capture_output=True, text=True)
            sizes = sorted(len(c) for c in nx.connected_components(graph))
            parts = (f"the network is in {len(sizes)} parts; the largest has {sizes[-1]} of its "
                     f"{graph.number_of_nodes()} nodes (--largest-part keeps that one)")
            if plain.returncode != 1 or not plain.stderr.endswith(parts + "\n"):
                failures.append(f"{name} without --largest-part: {plain.stderr}")
    for writer, outcomes in table.items():
        print(f"{writer}: " + "; ".join(outcomes))
    for failure in failures:
        print("FAIL " + failure)
    print(f"{sum(len(o) for o in table.values())} files, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
