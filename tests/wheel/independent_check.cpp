/* A second proof of a wheel's guarantee, written apart from the program: it reads a wheel file
 * (rows of numbers separated by commas or blanks; "#" lines and the "rows N" line are skipped)
 * and checks that every P-subset of 1..V meets some row in at least T numbers, by marking every
 * T-subset that lies in a row and looking for a P-subset none of whose T-subsets is marked.
 *   independent_check FILE V T P  ->  "ok ROWS" and exit 0, or the first failing set and exit 1 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static long choose[91][7];
static unsigned char *marked;
static int v, t, p;

static long rank_of(const int *set, int k) /* colex rank of an ascending k-set of 0..v-1 */
{
    long r = 0;
    for (int i = 0; i < k; ++i)
        r += choose[set[i]][i + 1];
    return r;
}

/* Marks (or, with test set, looks for) the t-subsets of the p elements in `set`. */
static int any_marked(const int *set, int n, int mark)
{
    int idx[6], sub[6];
    for (int i = 0; i < t; ++i)
        idx[i] = i;
    for (;;) {
        for (int i = 0; i < t; ++i)
            sub[i] = set[idx[i]];
        long r = rank_of(sub, t);
        if (mark)
            marked[r] = 1;
        else if (marked[r])
            return 1;
        int i = t - 1;
        while (i >= 0 && idx[i] == n - t + i)
            --i;
        if (i < 0)
            return 0;
        ++idx[i];
        for (int j = i + 1; j < t; ++j)
            idx[j] = idx[j - 1] + 1;
    }
}

int main(int argc, char **argv)
{
    if (argc != 5) {
        fprintf(stderr, "usage: independent_check FILE V T P\n");
        return 2;
    }
    v = atoi(argv[2]);
    t = atoi(argv[3]);
    p = atoi(argv[4]);
    if (v < 1 || v > 90 || t < 1 || t > p || p > 6 || p > v)
        return 2;
    for (int n = 0; n <= 90; ++n) {
        choose[n][0] = 1;
        for (int k = 1; k <= 6; ++k)
            choose[n][k] = n == 0 ? 0 : choose[n - 1][k - 1] + choose[n - 1][k];
    }
    marked = (unsigned char *)calloc((size_t)choose[v][t], 1);
    FILE *f = fopen(argv[1], "r");
    if (!f || !marked)
        return 2;
    char line[4096];
    int rows = 0;
    while (fgets(line, sizeof line, f)) {
        if (line[0] == '#' || strncmp(line, "rows", 4) == 0)
            continue;
        int row[6], n = 0, x;
        for (char *s = strtok(line, ", \t\r\n"); s; s = strtok(NULL, ", \t\r\n")) {
            x = atoi(s);
            if (x < 1 || x > v || n == 6) {
                fprintf(stderr, "bad row %d\n", rows + 1);
                return 2;
            }
            row[n++] = x - 1;
        }
        if (n == 0)
            continue;
        if (n != 6)
            return 2;
        for (int i = 1; i < 6; ++i) /* ascending */
            for (int j = i; j > 0 && row[j - 1] > row[j]; --j) {
                x = row[j]; row[j] = row[j - 1]; row[j - 1] = x;
            }
        any_marked(row, 6, 1);
        ++rows;
    }
    fclose(f);
    int set[6];
    for (int i = 0; i < p; ++i)
        set[i] = i;
    for (;;) {
        if (!any_marked(set, p, 0)) {
            printf("fails");
            for (int i = 0; i < p; ++i)
                printf(" %d", set[i] + 1);
            printf("\n");
            return 1;
        }
        int i = p - 1;
        while (i >= 0 && set[i] == v - p + i)
            --i;
        if (i < 0)
            break;
        ++set[i];
        for (int j = i + 1; j < p; ++j)
            set[j] = set[j - 1] + 1;
    }
    printf("ok %d\n", rows);
    return 0;
}
